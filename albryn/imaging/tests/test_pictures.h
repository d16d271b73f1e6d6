#pragma once
// Small JPEGs made for the tests, and ways to look at the pictures the operations write.
#include <QString>
#include <ostream>
#include <string>
#include <vector>
#include <vips/vips8>

namespace albryn::testing {

// The colours of the four quarters of a quarters picture, and where each is.
inline const std::vector<double> kTopLeft{220, 30, 30};
inline const std::vector<double> kTopRight{30, 200, 30};
inline const std::vector<double> kBottomLeft{30, 30, 220};
inline const std::vector<double> kBottomRight{230, 230, 40};

// A picture in four flat quarters of the colours above.
vips::VImage Quarters(int width, int height);
// A flat picture of one colour.
vips::VImage Flat(int width, int height, const std::vector<double>& colour);
// Dark left half, light right half, the edge between them softened.
vips::VImage SoftEdge(int width, int height);

// Grain in every pixel, which makes a JPEG with plenty of data.
vips::VImage Noise(int width, int height);

// Writes the picture as a JPEG at high quality and returns its path as a QString.
QString SaveJpeg(const vips::VImage& picture, const std::string& path);

// The picture a JPEG file holds, exactly as stored (its orientation tag not applied).
vips::VImage Load(const QString& path);
// The colour at x, y, averaged over the 5 x 5 pixels around it.
std::vector<double> ColourAt(const vips::VImage& picture, int x, int y);
// True when every channel of the two colours differs by at most tolerance.
bool Near(const std::vector<double>& a, const std::vector<double>& b, double tolerance = 12);

// The bytes of a file ("" when it cannot be read).
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace albryn::testing

// Lets the test framework print result texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
