// The screens' packs: entry names in load order, shared by the game and the pack builder.
#include "base/ScreenPacks.h"

const std::array<MenuEntry, menuEntryCount> menuEntries = {{
    {"gfx/menu/00 - logo.png", MenuEntryKind::Image},
    {"gfx/menu/01 - I.png", MenuEntryKind::Quad},
    {"gfx/menu/02 - I fire.png", MenuEntryKind::Quad},
    {"gfx/menu/03 - barre bleue.png", MenuEntryKind::Quad},
    {"gfx/menu/04 - meridian.png", MenuEntryKind::Image},
    {"gfx/menu/05 - cadre.png", MenuEntryKind::Image},
    {"gfx/menu/v2 - start game.png", MenuEntryKind::Image},
    {"gfx/menu/v2 - credits.png", MenuEntryKind::Image},
    {"gfx/menu/v2 - quit.png", MenuEntryKind::Image},
    {"gfx/menu/09 - text.png", MenuEntryKind::Image},
    {"gfx/menu/10 - balle.png", MenuEntryKind::Ball},
    {"gfx/menu/11 - fire.png", MenuEntryKind::Quad},
    {"gfx/menu/12 - rond bleu select.png", MenuEntryKind::Quad},
    {"gfx/menu/13 - barre rouge.png", MenuEntryKind::Quad},
    {"gfx/menu/14 - fond.png", MenuEntryKind::Image},
    {"gfx/menu/15 - curseur.png", MenuEntryKind::Image},
    {"gfx/menu/16 - son.wav", MenuEntryKind::Sound},
    {"gfx/menu/v2 - difficulty normal.png", MenuEntryKind::Image},
    {"gfx/menu/v2 - difficulty hard.png", MenuEntryKind::Image},
    {"gfx/menu/v2 - continue saved game.png", MenuEntryKind::Image},
    {"gfx/menu/v2 - continue saved game disabled.png", MenuEntryKind::Image},
    {"sfx/nova_01_05b.ogg", MenuEntryKind::Music},
}};

const StoryPack introPack = {"packs/intro.pak", "gfx/intro/intro_background.jpg", "sfx/nova300.ogg", 19};
const StoryPack endingPack = {"packs/loch.pak", "gfx/loch.jpg", "sfx/finalp3.ogg", 21};
const StoryPack gameOverPack = {"packs/atomic.pak", "gfx/atomic.jpg", "sfx/gameoverp3.ogg", 20};

const LogoPack gameLogoPack = {"packs/logo.pak", "gfx\\newlogo.png"};
const LogoPack publisherLogoPack = {"packs/quarx.pak", "gfx\\QUARX_creation_logo_large.png"};
const LogoPack makerLogoPack = {"packs/logo_tessalink.pak", "gfx\\3d\\tessa01new.png"};

std::string CreditsPictureName(int n) { return "GFX\\Credits\\scr" + std::to_string(n) + ".png"; }
