// The text rules of the Filters page, free of any window: a stored filter split into its two
// list rows, what an accepted row becomes, and a row pair joined back for storing.
#pragma once
#include <cstddef>
#include <string>

struct FilterRow {
  std::string description;
  std::string extensions;
};

// "Description|*.a,*.b|" gives "Description" and "*.a;*.b": the text before the first "|" and
// the text between the first and the second, with every "," made a ";".
FilterRow SplitFilter(const std::string& filter);
// What the accept buttons put into the lists: every "|" removed; in extensions every ","
// then becomes ";".
std::string AcceptedDescription(const std::string& typed);
std::string AcceptedExtensions(const std::string& typed);
// "%s|%s|", cut to at most `capacity` - 1 characters.
std::string JoinFilter(const std::string& description, const std::string& extensions,
                       std::size_t capacity);
