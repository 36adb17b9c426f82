// The main assets of a game: every picture of packs/maingfx.pak in its fixed order, the panel and the sounds.
#include "base/MainPictureTable.h"
#include "media/Media.h"
#include "runtime/Loaders.h"

namespace {

void LoadPictures(const std::string& pack, const std::vector<MainPicture>& table) {
  ChoosePack(pack);
  for (const MainPicture& picture : table) {
    switch (picture.loader) {
      case MainLoader::SpriteQuad: LoadSpriteQuad(picture.number, picture.name); break;
      case MainLoader::OpaqueSpriteQuad: LoadOpaqueSpriteQuad(picture.number, picture.name); break;
      case MainLoader::PivotSpriteQuad:
        chaingunPivot = LoadPivotSpriteQuad(picture.number, picture.name, 64, 96);
        break;
      case MainLoader::SpriteEntry: LoadSpriteEntry(picture.number, picture.name); break;
      case MainLoader::ImageEntry: LoadImageEntry(picture.number, picture.name); break;
    }
    // The inset's frame lets the panel show through its magenta.
    if (picture.number == insetScreenPicture && picture.loader == MainLoader::SpriteEntry)
      SetSpriteKeyColour(insetFramePicture, ColorRGB(255, 0, 255));
  }
  ClosePack();
}

}  // namespace

void LoadMainAssets() {
  LoadPictures("packs/maingfx.pak", MainPictureTable());
  LoadPictures("packs/panel.pak", PanelPictureTable());

  ChoosePack("packs/sounds.pak");
  for (const MainSound& sound : MainSoundTable()) LoadSoundEntry(SoundNumber(sound.sound), sound.name);
  ClosePack();

  // Two screen-wide strips a quarter of the screen high, for the console and the screens.
  for (int number = screenStripPictures; number < screenStripPictures + screenStripCount; ++number) {
    if (HasQuad(number)) ReleaseQuad(number);
    CreateBlankSprite(number, 1024, 192, kSpriteQuadTexture);
    QuadFromSprite(number, number);
  }
  Sleep(100);
}
