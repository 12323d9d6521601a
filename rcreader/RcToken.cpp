#include "rcreader/RcToken.h"

namespace tolmeric {

const std::u16string& CRcToken::FileName() const {
  static const std::u16string kNone;
  return file ? *file : kNone;
}

}  // namespace tolmeric
