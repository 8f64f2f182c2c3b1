#include "support/runAsNobody.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rennlupe::support {

int runAsNobody(const std::function<int()>& body) {
    constexpr uid_t kNobody = 65534;
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(125);
        }
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace rennlupe::support
