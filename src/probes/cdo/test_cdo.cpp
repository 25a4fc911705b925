#include "console/form1.h"

namespace quorvel {

void Form1::TestCDO() {}

void Form1::OpenAddressBookCDO(IDispatch* /*objCDO*/) {}

}  // namespace quorvel
