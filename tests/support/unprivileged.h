// A step of a test run as a user without privileges. The suites run as root in CI, and root
// may write a file whose permission bits forbid it: a check that such a file is refused is
// reached only by a user those bits bind.
#pragma once

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

#include <vector>

namespace testsupport {

// The user and group "nobody".
constexpr uid_t kUnprivilegedUid = 65534;
constexpr gid_t kUnprivilegedGid = 65534;

// Runs fn. When the test runs as root, fn runs with the real, effective and file-system user
// and group ids of "nobody" and no other group, in every thread of the process (the library's
// set*id calls change them all); root comes back after fn, also when fn throws. A folder fn
// writes to must be writable by that user. Otherwise fn runs as the test's own user.
template <typename Fn>
void AsUnprivileged(Fn&& fn) {
  if (::geteuid() != 0) {
    fn();
    return;
  }
  // What is given back: root's ids and groups as they were.
  class Restore {
   public:
    Restore() {
      ::getresuid(&ruid_, &euid_, &suid_);
      ::getresgid(&rgid_, &egid_, &sgid_);
      const int count = ::getgroups(0, nullptr);
      groups_.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
      if (count > 0 && ::getgroups(count, groups_.data()) < 0) groups_.clear();
    }
    ~Restore() {
      // The saved user id is still root's, so the user ids go back first; then the groups.
      if (::setresuid(ruid_, euid_, suid_) != 0 || ::setresgid(rgid_, egid_, sgid_) != 0 ||
          ::setgroups(groups_.size(), groups_.data()) != 0) {
        ADD_FAILURE() << "could not become root again";
      }
    }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

   private:
    uid_t ruid_ = 0, euid_ = 0, suid_ = 0;
    gid_t rgid_ = 0, egid_ = 0, sgid_ = 0;
    std::vector<gid_t> groups_;
  } restore;
  // Groups first, while the process may still change them; root stays the saved user id so
  // that the ids can come back.
  const gid_t group = kUnprivilegedGid;
  if (::setgroups(1, &group) != 0 || ::setresgid(group, group, 0) != 0 ||
      ::setresuid(kUnprivilegedUid, kUnprivilegedUid, 0) != 0) {
    ADD_FAILURE() << "could not run a step as the unprivileged user " << kUnprivilegedUid;
    return;
  }
  fn();
}

}  // namespace testsupport
