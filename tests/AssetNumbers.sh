#!/usr/bin/env bash
# Fails when a call names a game asset (picture, quad, image, font, sound slot, blend) by a bare number instead
# of its name in src/base/AssetNames.h. The media layer and its tests take plain numbers and are left out;
# numbers from 9000 up are the tests' own scratch pictures, which no asset uses.
set -uo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root" || exit 2

# Calls whose first argument is an asset number.
first='PlayEffectSound|PlaySoundId|StopSoundId|SetSoundVolume|SetSoundPan|SetSoundFrequency|SoundVolume|SoundPan'
first+='|SoundFrequency|SoundPlaying|HasSound|ReleaseSound|DrawQuad|DrawQuadAlpha|DrawQuadScaled|DrawSprite|ZoomQuad'
first+='|RotateQuad|QuadWidth|QuadHeight|QuadFromSprite|HasQuad|ReleaseQuad|CreateBlankSprite|HasSprite|ReleaseSprite'
first+='|SpritePixelWidth|SpritePixelHeight|SpritePixel|BlitSprite|BlitSpriteKeyed|SetSpriteClip|SetSpriteKeyColour'
first+='|HasImage|ReleaseImage|ImagePixelWidth|ImagePixelHeight|DrawImage|LoadFontFace|FontHandle|ReleaseFont'
first+='|PictureWidth|PictureHeight|DrawPictureCentred|Load[A-Za-z]*Entry|Load[A-Za-z]*SpriteQuad|LoadSceneSprite'
first+='|LoadSceneSound'
patterns=(
  "\\b($first)\\([[:space:]]*[0-9]+"                      # the asset number first
  '\bQuadFromSprite\([^,()]+,[[:space:]]*[0-9]+'          # the sprite a quad is made from
  '\bQuadBlendMode\([[:space:]]*[0-9]'                    # blend factors: Blend names the pairs
  '\b(AddBall|SetBallSize)\([^;]*,[[:space:]]*[0-9]+\)'   # a ball's picture, the last argument
)

hits=$(for pattern in "${patterns[@]}"; do
  grep -rnoE "$pattern" src tests tools --include='*.cpp' --include='*.h' |
    grep -vE '^(src/media|tests/media)/' |
    grep -vE '^src/base/(AssetNames\.h|MainPictureTable\.cpp):'
done | sort -u | awk '
  # Each hit is "file:line:call(...number"; the tests may use numbers from 9000 up for scratch pictures.
  {
    number = $0; sub(/\)$/, "", number); sub(/.*[^0-9]/, "", number)
    if (!($0 ~ /^tests\// && number + 0 >= 9000)) print
  }')

if [ -n "$hits" ]; then
  echo "$hits"
  echo "$(echo "$hits" | wc -l) call(s) name an asset by a bare number: use its name from src/base/AssetNames.h"
  exit 1
fi
echo "asset numbers: every call names its asset"
