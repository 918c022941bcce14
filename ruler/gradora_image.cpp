// The picture laid under the ruler.
#include "gradora.h"

void Gradora::setOpenImage() {}
void Gradora::setClearImage()
{
    image = QImage();
    imageFile.clear();
    setPictureEntriesEnabled(false);
    update();
}
void Gradora::setStretchImage() { update(); }
void Gradora::setProportional() { update(); }
void Gradora::setActualSize() { update(); }
void Gradora::setRulerToImageSize() { update(); }
