// ReadImages on worker threads gives the lists, fingerprints and status texts of the one-job pass.
#include <gtest/gtest.h>


#include "core/scan/read_images.h"
#include "tests/core/scan_fixture.h"

namespace vl::test {
namespace {

using ReadImagesTest = ScanFixture;

TEST_F(ReadImagesTest, ManyJobsGiveTheListsAndTextsOfOneJob) {
  std::vector<std::string> paths;
  for (int i = 0; i < 37; ++i) {
    const std::string name = "f/p" + std::to_string(100 + i);
    if (i % 9 == 4)
      paths.push_back(dir.write(name + ".jpg", std::string("broken")));
    else if (i % 11 == 5)
      paths.push_back(dir.write(name + ".txt", std::string("text")));
    else if (i % 13 == 7)
      paths.push_back(dir.file(name + ".jpg"));  // gone before reading
    else
      paths.push_back(writePhoto(name + ".jpg", i % 5));
  }
  ScanList base = listOf({paths[0], paths[3]});
  ReadImages(base, nullptr, host);
  std::vector<std::string> seen[2];
  std::vector<std::string> texts[2];
  for (int jobs : {1, 4}) {
    ScanList list = listOf(paths);
    RecordingHost pass;
    ReadImages(list, &base, pass, FingerprintOptions{jobs});
    seen[jobs == 4] = describe(list);
    texts[jobs == 4] = pass.statusLog;
  }
  EXPECT_EQ(seen[1], seen[0]);
  EXPECT_EQ(texts[1], texts[0]);
  EXPECT_LT(seen[0].size(), paths.size()) << "non-pictures and gone files are dropped";
}

TEST_F(ReadImagesTest, ACancelStopsThePassAtItsNextCheck) {
  std::vector<std::string> paths;
  for (int i = 0; i < 40; ++i) paths.push_back(writePhoto("f/p" + std::to_string(i) + ".jpg", i % 3));
  ScanList list = listOf(paths);
  CancelToken cancel;
  FingerprintOptions options{4};
  options.decoding.cancel = &cancel.flag();
  host.onStatus = [&cancel](const std::string&) { cancel.cancel(); };
  ReadImages(list, nullptr, host, options);
  EXPECT_EQ(host.statusLog, (std::vector<std::string>{"phase:Reading Images", "progress:1 / 40"}));
  EXPECT_FALSE(list.back()->Fingerprint) << "pictures after the cancel are left unread";
}

}  // namespace
}  // namespace vl::test
