#pragma once
// The patch file of a set of images, laid out as Make Patch Files writes it.
#include "core/ByteImage.h"
#include "files/GameFileSet.h"

namespace orvane::test {

ByteImage patchFileOf(const GameFileSet& files);

} // namespace orvane::test
