// The Filters page's text rules.
#include "options/filter_rows.h"

#include <algorithm>

namespace {

std::string Without(std::string text, char removed) {
  text.erase(std::remove(text.begin(), text.end(), removed), text.end());
  return text;
}

std::string CommasToSemicolons(std::string text) {
  std::replace(text.begin(), text.end(), ',', ';');
  return text;
}

}  // namespace

FilterRow SplitFilter(const std::string& filter) {
  FilterRow row;
  const std::size_t first = filter.find('|');
  row.description = filter.substr(0, first);
  if (first != std::string::npos) {
    const std::size_t second = filter.find('|', first + 1);
    const std::size_t length = second == std::string::npos ? std::string::npos : second - first - 1;
    row.extensions = CommasToSemicolons(filter.substr(first + 1, length));
  }
  return row;
}

std::string AcceptedDescription(const std::string& typed) {
  return Without(typed, '|');
}

std::string AcceptedExtensions(const std::string& typed) {
  return CommasToSemicolons(Without(typed, '|'));
}

std::string JoinFilter(const std::string& description, const std::string& extensions,
                       std::size_t capacity) {
  std::string joined = description + "|" + extensions + "|";
  if (capacity == 0) return std::string();
  if (joined.size() > capacity - 1) joined.resize(capacity - 1);
  return joined;
}
