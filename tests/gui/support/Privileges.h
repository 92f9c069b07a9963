#pragma once
// Lets a test running as root meet file permissions as any user would: while
// an object of this class lives, the effective capabilities that bypass
// read, write and search permissions are dropped.

namespace fwtest {

class PermissionsApply {
public:
    PermissionsApply();
    ~PermissionsApply();
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;

    // False when permissions cannot be made to apply (the test should skip).
    bool Active() const { return m_active; }

private:
    bool m_active = false;
    bool m_dropped = false;
    unsigned m_effective = 0;
};

}  // namespace fwtest
