#include "support/Privileges.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fwtest {

namespace {

bool GetCaps(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &header, data) == 0;
}

bool SetCaps(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capset, &header, data) == 0;
}

constexpr unsigned kBypassMask = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

}  // namespace

PermissionsApply::PermissionsApply()
{
    __user_cap_data_struct data[2] = {};
    if (!GetCaps(data))
        return;
    m_effective[0] = data[0].effective;
    m_effective[1] = data[1].effective;
    if ((data[0].effective & kBypassMask) == 0) {
        m_active = true;  // an ordinary user already
        return;
    }
    data[0].effective &= ~kBypassMask;
    if (!SetCaps(data))
        return;
    m_dropped = true;
    m_active = true;
}

PermissionsApply::~PermissionsApply()
{
    if (!m_dropped)
        return;
    __user_cap_data_struct data[2] = {};
    if (!GetCaps(data))
        return;
    data[0].effective = m_effective[0];
    data[1].effective = m_effective[1];
    SetCaps(data);
}

}  // namespace fwtest
