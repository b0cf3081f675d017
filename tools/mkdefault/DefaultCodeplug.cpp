#include "DefaultCodeplug.h"

#include "image/BandTable.h"
#include "image/CodeplugFile.h"
#include "image/Codecs.h"

namespace vmr {

void BuildDefaultCodeplug(RadioImage& image, ToneStandardTable& tones) {
    image.bytes.fill(0xFF);
    tones.bytes.fill(0xFF);
    RestoreToneStandards(tones);
}

} // namespace vmr
