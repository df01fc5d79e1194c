#pragma once
// A caption's access key: "&" marks the character after it, "&&" stands for one "&".
#include <string>
#include <string_view>

namespace tv {

struct AccessKeyCaption {
    std::string shown;                               // the caption as shown and read aloud
    std::string::size_type key = std::string::npos;  // where the access key stands in shown
};

// The one reading of the marks: every "&" that marks an access key dropped, "&&" shown as one
// "&", a lone "&" at the end dropped; the first marked character is the access key.
AccessKeyCaption ReadAccessKey(std::string_view caption);

// The access key of a caption, 0 if none.
char AcceleratorOf(std::string_view caption);
// Whether a typed character is the caption's access key, regardless of ASCII case.
bool IsAccelerator(char typed, std::string_view caption);
// The caption as shown on screen and read aloud.
std::string ShownCaption(std::string_view caption);

}  // namespace tv
