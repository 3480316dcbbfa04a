#include <ostream>

#include "apps/vxtune/Command.h"
#include "common/MemoryRegistry.h"
#include "common/PlatformKind.h"
#include "common/RegFile.h"

namespace vx::tune {

std::vector<Command> CatalogueCommands()
{
    return {
        {"platform", "", 0, 0,
         [](CommandContext& c) {
             PlatformKind kind = CurrentPlatformKind();
             c.out << static_cast<int>(kind) << " " << PlatformKindName(kind) << "\n";
             return int{ExitOk};
         }},
        {"dump", "", 0, 0,
         [](CommandContext& c) {
             auto* memory = dynamic_cast<MemoryRegistry*>(&CurrentRegistry());
             if (!memory) {
                 c.err << "vxtune: dump needs --registry FILE\n";
                 return int{ExitUsage};
             }
             c.out << FormatRegedit4(*memory);
             return int{ExitOk};
         }},
    };
}

}  // namespace vx::tune
