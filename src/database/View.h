// The three channel lists the window and the tool show.
#pragma once

namespace kavro {

// Every channel, the TV channels, the radio channels; stored as 0, 1 and 2.
enum class View : int { All = 0, Tv = 1, Radio = 2 };
constexpr View Views[] = {View::All, View::Tv, View::Radio};

// The number a view is stored as: 0, 1 or 2.
constexpr int viewNumber(View view) {
    return static_cast<int>(view);
}

}  // namespace kavro
