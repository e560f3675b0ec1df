#include "mods/ModDocument.h"

namespace orvane::mods {

std::string ModRefusal::describe() const
{
    std::string where;
    const auto add = [&where](const std::string& part) {
        if (part.empty()) return;
        if (!where.empty()) where += ", ";
        where += part;
    };
    if (line > 0) add("line " + std::to_string(line));
    add(record);
    add(field);
    return where.empty() ? reason : where + ": " + reason;
}

} // namespace orvane::mods
