#include "standins/simulated_mapi.h"

#include "platform/host/host_control.h"
#include "probes/cdo/cdo_members.h"
#include "probes/rdo/rdo_contract.h"
#include "sim/cdo/cdo_session.h"
#include "sim/rdo/rdo_session.h"

namespace quorvel::standins {

void RegisterSimulatedClasses(sim::World& world) {
  host::RegisterClass(cdo::kSessionProgId, [&world](REFIID iid, void** object) {
    return sim::CreateCdoSession(world, iid, object);
  });
  host::RegisterClass(rdo::kSessionProgId, [&world](REFIID iid, void** object) {
    return sim::CreateRdoSession(world, iid, object);
  });
}

}  // namespace quorvel::standins
