#include "console/form1.h"

namespace quorvel {

void Form1::TestRDO() {}

void Form1::ReadAddressList(rdo::IRDOSession* /*objRDO*/) {}

void Form1::OpenAddressBook(rdo::IRDOSession* /*objRDO*/) {}

}  // namespace quorvel
