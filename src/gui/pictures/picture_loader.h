#pragma once
// Reads a bitmap file named by a path relative to the working directory into
// a picture box, with the messages the user sees when the file is unusable.
#include <optional>

#include <QString>

namespace trivelon::gui {

class PictureBox;

// Replaces the box's picture and returns nothing, or returns the error
// message and leaves the box as it was.
std::optional<QString> LoadPicture(PictureBox& box, const QString& relativePath);

}  // namespace trivelon::gui
