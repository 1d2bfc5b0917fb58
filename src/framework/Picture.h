#pragma once

#include <memory>
#include <string>

class QImage;

namespace orv {

class TCanvas;

// One image of any kind the program uses (here icons, with transparency), or
// nothing.
class TPicture {
public:
    TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    ~TPicture();

    bool Empty() const;
    int Width() const;
    int Height() const;
    // Takes a copy of another picture's image.
    void Assign(const TPicture& source);
    void Clear();
    // Loads an icon resource of the program; a missing one leaves the
    // picture empty and returns false.
    bool LoadIcon(const std::string& resourceName);
    // Draws the image with its top-left corner at (x, y); nothing when empty.
    void Draw(TCanvas& canvas, int x, int y) const;

private:
    std::unique_ptr<QImage> image_;
};

} // namespace orv
