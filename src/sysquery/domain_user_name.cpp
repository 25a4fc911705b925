#include "console/form1.h"

namespace quorvel {

std::wstring Form1::DomainUserName() { return {}; }

std::wstring Form1::GetVersionRDO() { return {}; }

}  // namespace quorvel
