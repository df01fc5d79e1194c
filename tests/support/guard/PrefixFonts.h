#pragma once
// The faces the program names must be the faces it gets: a prefix without Wine's own fonts draws
// every one of them in a substitute, and no test may pass that way.
#include <string>
#include <vector>

namespace tv::test {

// The face GDI realises for a font of that face name and character set.
std::string RealisedFace(const std::string& face, unsigned char charset);

// The program's faces that this prefix substitutes ("MS Sans Serif", "Marlett", "Tahoma").
std::vector<std::string> SubstitutedFaces();

// Ends the process with a clear message unless SubstitutedFaces() is empty.
void RequireProgramFonts();

}  // namespace tv::test
