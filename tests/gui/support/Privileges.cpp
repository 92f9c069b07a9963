#include "support/Privileges.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fwtest {

namespace {

constexpr unsigned kBypassMask = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// Lets `change` edit the effective capabilities; writes them back when it
// returns true. False when they could not be read or written.
template <typename Change> bool EditCaps(Change change)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    return !change(data[0].effective) || syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

PermissionsApply::PermissionsApply()
{
    m_active = EditCaps([this](unsigned& effective) {
        m_effective = effective;
        effective &= ~kBypassMask;
        return effective != m_effective;
    });
    m_dropped = m_active && (m_effective & kBypassMask) != 0;
}

PermissionsApply::~PermissionsApply()
{
    if (m_dropped)
        EditCaps([this](unsigned& effective) {
            effective = m_effective;
            return true;
        });
}

}  // namespace fwtest
