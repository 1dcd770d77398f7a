#pragma once

// The answers to an overwrite question, as the question dialog gives them and the batch
// workers act on them.
namespace OverwriteAnswer {
constexpr int Abort = 0; // stop the batch (also: the question was closed)
constexpr int Yes = 1; // replace this file
constexpr int YesToAll = 2; // replace this and every later existing file
constexpr int No = 3; // skip this photo
constexpr int NoToAll = 4; // skip this and every later photo whose output exists
constexpr int Rename = 5; // write under the path handed back with the answer
} // namespace OverwriteAnswer
