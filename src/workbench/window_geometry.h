// Where the main window opens: three quarters of the screen's width and two thirds of its
// height, centred.
#pragma once

namespace ondavel::workbench {

struct WindowGeometry {
    int x;
    int y;
    int width;
    int height;
};

constexpr WindowGeometry MainWindowGeometry(int screenWidth, int screenHeight) {
    const int width = screenWidth * 600 / 800;
    const int height = screenHeight * 400 / 600;
    return {screenWidth / 2 - width / 2, screenHeight / 2 - height / 2, width, height};
}

}  // namespace ondavel::workbench
