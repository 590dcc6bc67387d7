#include "imaging/graphic.h"

#include "imaging/exception.h"
#include "imaging/stream.h"

void TGraphic::Assign(const TGraphic& source) { source.AssignTo(*this); }

void TGraphic::AssignTo(TGraphic& destination) const {
  throw EConvertError(std::string("Cannot assign a ") + ClassName() + " to a " +
                      destination.ClassName() + ".");
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, TFileMode::fmCreate);
  SaveToStream(file);
}
