// The blank main pictures have the sizes of the pictures in the built packs.
#include <gtest/gtest.h>

#include "base/MainPictureTable.h"
#include "game/ExtrasTestSupport.h"
#include "media/Media.h"
#include "support/BlankPictures.h"

TEST(BlankPictures, EveryMainPictureHasTheSizeOfItsPackPicture) {
  EnsureMainAssets();
  for (const std::vector<MainPicture>* table : {&MainPictureTable(), &PanelPictureTable()}) {
    for (const MainPicture& picture : *table) {
      bool image = picture.loader == MainLoader::ImageEntry;
      int w = image ? ImagePixelWidth(picture.number) : SpritePixelWidth(picture.number);
      int h = image ? ImagePixelHeight(picture.number) : SpritePixelHeight(picture.number);
      EXPECT_EQ(MainPictureSize(picture.number), std::make_pair(w, h)) << picture.number << " " << picture.name;
    }
  }
}
