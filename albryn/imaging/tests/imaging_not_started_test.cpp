#include <gtest/gtest.h>

#include "image_operations.h"

using namespace albryn;

// Without a started ImageLibrary every operation refuses with its own number and touches nothing.
TEST(imaging_NotStarted, OperationsAreRefused) {
  int width = -1, height = -1;
  const QString expected = "Error: " + QString::number(static_cast<int>(ImageError::NotInitialised));
  EXPECT_EQ(ResizeImageFile("/nonexistent/a.jpg", "/nonexistent/b.jpg", 0, 100, 75), expected);
  EXPECT_EQ(GetImageFileSize("/nonexistent/a.jpg", width, height), expected);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
}
