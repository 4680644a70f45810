#include "platform/wine_prefix.h"

namespace tarvel {

void use_wine_prefix(std::string) {}

}  // namespace tarvel
