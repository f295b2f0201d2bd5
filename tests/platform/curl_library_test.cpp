// Opening the HTTP library by name: a library that is missing, or one without libcurl's
// functions, is an error value naming what is missing, never a call through a null pointer.
#include "platform/curl_library.h"

#include <gtest/gtest.h>

namespace tavra {
namespace {

TEST(CurlLibrary, MissingLibraryOrFunctionsIsAnError) {
  CurlLibrary lib;
  std::string error;
  EXPECT_FALSE(OpenCurlLibrary("libtavra-missing.so.9", lib, error));
  EXPECT_NE(error.find("libtavra-missing.so.9"), std::string::npos) << error;
  EXPECT_EQ(lib.easyInit, nullptr);

  error.clear();
  EXPECT_FALSE(OpenCurlLibrary("libc.so.6", lib, error));
  EXPECT_NE(error.find("curl_global_init"), std::string::npos) << error;
  EXPECT_EQ(lib.easyPerform, nullptr);
}

}  // namespace
}  // namespace tavra
