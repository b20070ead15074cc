#include "standard_descriptors.h"

#include <cerrno>
#include <fcntl.h>

#include <initializer_list>

namespace grahavani {

bool HoldStandardDescriptors() {
    for (const int descriptor : {0, 1, 2}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        const int flags = descriptor == 2 ? O_WRONLY : O_RDONLY;
        if (::open("/dev/null", flags) != descriptor) return false;
    }
    return true;
}

}  // namespace grahavani
