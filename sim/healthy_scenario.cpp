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
)";

}  // namespace quorvel::sim
