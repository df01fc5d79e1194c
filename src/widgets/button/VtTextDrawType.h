#pragma once
// The effect a caption is drawn with.

namespace tv {

enum TVtTextDrawType { tdtNormal, tdtShadowed, tdtRaised };

}  // namespace tv
