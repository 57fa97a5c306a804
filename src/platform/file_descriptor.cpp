#include "platform/file_descriptor.h"

#include <unistd.h>

namespace lumtrak::platform {

void FileDescriptor::Reset(int descriptor) {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = descriptor;
}

}  // namespace lumtrak::platform
