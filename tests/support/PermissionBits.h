// SPDX-License-Identifier: MIT
#pragma once
// Makes file permission bits bind this test even when it runs as root. While
// an object lives, the calling thread gives up the two capabilities that let
// root read, write and search past permission bits (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH, from its effective set only); they come back when it is
// destroyed. Without them a chmod 000 file cannot be read and a chmod 555
// folder cannot be written, as for any user. Outside root it does nothing.

class PermissionBits {
public:
    PermissionBits();
    ~PermissionBits();
    PermissionBits(const PermissionBits&) = delete;
    PermissionBits& operator=(const PermissionBits&) = delete;

    // False when the capabilities could not be given up (the test should skip).
    bool Binding() const { return m_binding; }

private:
    bool m_binding = false;
    bool m_dropped = false;
    unsigned m_previous = 0;  // the bypass capabilities held before
};
