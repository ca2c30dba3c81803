// SPDX-License-Identifier: MIT
#include "support/PermissionBits.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
constexpr unsigned kBypassBits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// Sets the bypass bits of the thread's effective set to `bits`; false when the
// system refused. `previous` receives the bits as they were.
bool SetBypassBits(unsigned bits, unsigned* previous)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (previous)
        *previous = data[0].effective & kBypassBits;
    data[0].effective = (data[0].effective & ~kBypassBits) | bits;
    return syscall(SYS_capset, &header, data) == 0;
}
}  // namespace

PermissionBits::PermissionBits()
{
    if (geteuid() != 0) {
        m_binding = true;
        return;
    }
    m_dropped = SetBypassBits(0, &m_previous);
    m_binding = m_dropped;
}

PermissionBits::~PermissionBits()
{
    if (m_dropped)
        SetBypassBits(m_previous, nullptr);
}
