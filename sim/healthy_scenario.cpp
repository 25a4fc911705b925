#include "sim/healthy_scenario.h"

namespace quorvel::sim {

const std::string_view kHealthyScenario = R"(
# CDO 1.21: "MAPI.Session" and what it hands out.
cdo.create = ok
cdo.logon = ok
cdo.name = value jdoe
cdo.inbox = ok
cdo.addressbook = ok
cdo.recipients.count = value 1
cdo.logoff = ok

# The customised RDO library: "Sarnith.RDOSession" and what it hands out.
rdo.create = ok
rdo.logon = ok
rdo.loggedon = value bool true
rdo.inbox = ok
rdo.items = ok
rdo.items.count = value 12
rdo.addressbook = ok
rdo.gal = ok
rdo.entries = ok
rdo.entries.count = value 250
rdo.showaddressbook = ok
rdo.recipients.count = value 1
rdo.logoff = ok
)";

}  // namespace quorvel::sim
