#pragma once

#include <string>
#include <vector>

/// The English country name of every locale the system knows, as code-page text, one per
/// locale (so a country that several locales share comes more than once). CountryList makes
/// a list to choose from of them.
std::vector<std::string> SystemCountryNames();
