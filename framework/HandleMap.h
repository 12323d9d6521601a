// The map from a Win32 handle to the framework object that stands for it.
// A permanent object is one the application attached (and owns); a
// temporary object is made on demand for a handle without one and lives
// until DeleteTemporary. Each user-interface thread has its own maps.
#pragma once

#include <memory>
#include <unordered_map>

namespace tolmeric {

// Object has a public handle member selected by HandleOf, which the map sets
// on temporary objects and clears before it deletes them, so a temporary
// object never destroys the window or menu it stood for.
template <typename Handle, typename Object, Handle Object::*HandleOf>
class CHandleMap {
 public:
  CHandleMap() = default;
  CHandleMap(const CHandleMap&) = delete;
  CHandleMap& operator=(const CHandleMap&) = delete;
  ~CHandleMap() { DeleteTemporary(); }

  Object* LookupPermanent(Handle handle) const {
    const auto found = permanent_.find(handle);
    return found == permanent_.end() ? nullptr : found->second;
  }

  // The permanent object, else a temporary one (made when there is none);
  // null for a null handle.
  Object* FromHandle(Handle handle) {
    if (!handle) return nullptr;
    if (Object* object = LookupPermanent(handle)) return object;
    std::unique_ptr<Object>& temporary = temporary_[handle];
    if (!temporary) {
      temporary = std::make_unique<Object>();
      (*temporary).*HandleOf = handle;
    }
    return temporary.get();
  }

  // Makes object the permanent object of handle; false when the object
  // holds a handle already or handle is null. A handle that gets a permanent
  // object loses its temporary one.
  bool Attach(Object& object, Handle handle) {
    if (object.*HandleOf || !handle) return false;
    RemoveTemporary(handle);
    object.*HandleOf = handle;
    permanent_[handle] = &object;
    return true;
  }
  // Gives the object's handle up; returns it.
  Handle Detach(Object& object) {
    Handle handle = object.*HandleOf;
    if (handle) permanent_.erase(handle);
    object.*HandleOf = nullptr;
    return handle;
  }

  void DeleteTemporary() {
    auto temporaries = std::move(temporary_);
    temporary_.clear();
    for (auto& [handle, object] : temporaries) (*object).*HandleOf = nullptr;
  }

 private:
  void RemoveTemporary(Handle handle) {
    const auto found = temporary_.find(handle);
    if (found == temporary_.end()) return;
    (*found->second).*HandleOf = nullptr;
    temporary_.erase(found);
  }

  std::unordered_map<Handle, Object*> permanent_;
  std::unordered_map<Handle, std::unique_ptr<Object>> temporary_;
};

}  // namespace tolmeric
