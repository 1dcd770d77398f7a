#pragma once

#include <array>

// The interface languages: the settings store keeps the identifier, the translation file is
// "Ln_" + the code, and the program settings list the names in this order.
struct SLanguage
{
    int id; // Windows language identifier
    const char *code;
    const char *name; // shown as it stands, in its own language
};

inline constexpr std::array<SLanguage, 6> InterfaceLanguages = { {
    { 1033, "En", "English" },
    { 1031, "De", "Deutsch" },
    { 1036, "Fr", "French" },
    { 1034, "Es", "Spanish" },
    { 1040, "It", "Italiano" },
    { 1041, "Ja", "Japanese" },
} };
