#include "platform/prefix_search.h"

namespace tarvel {

PrefixSearch search_wine_prefix(std::string_view, std::string_view) {
  PrefixSearch search;
  search.result = PrefixSearch::Result::windows;
  return search;
}

}  // namespace tarvel
