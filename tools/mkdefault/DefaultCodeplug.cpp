#include "DefaultCodeplug.h"

#include "image/BandTable.h"
#include "image/Codecs.h"
#include "image/CodeplugFile.h"

namespace vmr {

void BuildDefaultCodeplug(RadioImage& image, ToneStandardTable& tones) {
    image.bytes.fill(0xFF);
    tones.bytes.fill(0xFF);
    RestoreToneStandards(tones);
}

} // namespace vmr
