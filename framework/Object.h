// The root of the framework's class tree and its run-time class records: a
// class that declares itself dynamic can be asked at run time whether an
// object is of that class or derived from it, and a class that declares
// itself dynamically creatable can be made from its record alone (as a frame
// makes its view from the class named in its creation context).
#pragma once

namespace tolmeric {

class CObject;

// One record per dynamic class, linked to the record of its base class.
struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  // 0xFFFF: the class is not serializable.
  unsigned m_wSchema;
  // Makes an object with the class's default constructor; null for a class
  // that cannot be created dynamically.
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;

  // A new object of the class (made with new), or null when the class cannot
  // be created dynamically.
  CObject* CreateObject() const;
  // Whether this class is baseClass or derived from it.
  bool IsDerivedFrom(const CRuntimeClass* baseClass) const;
};

class CObject {
 public:
  virtual ~CObject() = default;

  virtual const CRuntimeClass* GetRuntimeClass() const;
  // Whether the object's class is runtimeClass or derived from it.
  bool IsKindOf(const CRuntimeClass* runtimeClass) const;

  static const CRuntimeClass classCObject;

 protected:
  CObject() = default;
};

}  // namespace tolmeric

// The record of a dynamic class.
#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// In the class body of a dynamic class.
#define DECLARE_DYNAMIC(class_name)                          \
 public:                                                     \
  static const ::tolmeric::CRuntimeClass class##class_name;  \
  const ::tolmeric::CRuntimeClass* GetRuntimeClass() const override;

// In the class body of a class that can be created from its record; the
// class has a default constructor.
#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static ::tolmeric::CObject* CreateObject();

// The record and GetRuntimeClass, in one source file in the class's
// namespace: schema and creation function given.
#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)                \
  const ::tolmeric::CRuntimeClass class_name::class##class_name = {                        \
      #class_name, static_cast<int>(sizeof(class_name)), schema, create,                   \
      RUNTIME_CLASS(base_class_name)};                                                     \
  const ::tolmeric::CRuntimeClass* class_name::GetRuntimeClass() const {                   \
    return RUNTIME_CLASS(class_name);                                                      \
  }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                  \
  ::tolmeric::CObject* class_name::CreateObject() { return new class_name; }              \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)
