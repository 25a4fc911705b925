// The domain of the account the process runs as, from its token's user SID.
//
// DomainUserName looks the user name up starting on the local computer. Where a local
// account has the name of the domain account the process runs as ("Administrator", a local
// "jdoe" made for a test), the local one answers; where no domain controller answers (a
// laptop off the VPN), nothing is found. The token names the process's own account
// whatever the names say, so its SID settles which domain the identity line shows.
#pragma once

#include <optional>
#include <string>

#include "platform/com_types.h"

namespace quorvel {

// The domain of the process's own account, when that account is not the one `namedSid`
// identifies (null: the name lookup found none); nullopt when it is that account, or when
// neither the token nor the account lookup of its SID can tell. Raises only what a platform
// function that cannot be bound raises.
std::optional<std::wstring> OwnAccountDomainUnlike(PSID namedSid);

}  // namespace quorvel
