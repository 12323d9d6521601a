// The root of the framework's class tree and its run-time class records: a
// class that declares itself dynamic can be asked at run time whether an
// object is of that class or derived from it.
#pragma once

namespace tolmeric {

class CObject;

// One record per dynamic class, linked to the record of its base class.
struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  const CRuntimeClass* m_pBaseClass;

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

// In one source file, in the class's namespace.
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                     \
  const ::tolmeric::CRuntimeClass class_name::class##class_name = {                        \
      #class_name, static_cast<int>(sizeof(class_name)), RUNTIME_CLASS(base_class_name)};  \
  const ::tolmeric::CRuntimeClass* class_name::GetRuntimeClass() const {                   \
    return RUNTIME_CLASS(class_name);                                                      \
  }
