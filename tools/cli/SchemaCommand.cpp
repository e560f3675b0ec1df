// orvane schema: the JSON Schema of the mod format, for text editors and their TOML language servers.
#include "Commands.h"
#include "mods/ModSchema.h"

namespace orvane::cli {

void runSchema(const Options& options, FileSystem& fs)
{
    deliver(options.output, mods::modSchema(), fs, options.dryRun);
}

} // namespace orvane::cli
