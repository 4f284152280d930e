// The property table and difference record of TrpComponent. The component publishes only Name
// and Tag; the rest is declared here, public only, for subclasses to publish with rpPublish.
#include "report/objects/class_info.h"
#include "report/objects/component.h"
#include "report/objects/property_builders.h"

namespace {

// Font attributes are recorded only for an object with a font of its own.
bool ownFontDiffers(const TrpComponent& self, const TrpComponent&, bool differ) {
  return differ && !self.ParentFont();
}

bool topRecorded(const TrpComponent& self, const TrpComponent&, bool differ) {
  return differ || self.DiffForcesTop();
}

bool widthRecorded(const TrpComponent& self, const TrpComponent&, bool differ) {
  return differ && !self.DiffSkipsWidth();
}

}  // namespace

const TrpClassInfo& TrpComponent::StaticClassInfo() {
  using C = TrpComponent;
  static const TrpClassInfo info(
      "TrpComponent", nullptr, nullptr,
      {
          // The serializer writes Name itself, before the attribute list.
          rpString<&C::Name, &C::SetName>("Name").NotStored(),
          rpInteger<&C::Tag, &C::SetTag>("Tag", 0),
          rpFloat<&C::Left, &C::SetLeft>("Left").PublicOnly(),
          rpFloat<&C::Top, &C::SetTop>("Top").PublicOnly(),
          rpFloat<&C::Width, &C::SetWidth>("Width").PublicOnly(),
          rpFloat<&C::Height, &C::SetHeight>("Height").PublicOnly(),
          rpObject<&C::Font, &C::SetFont>("Font").PublicOnly(),
          rpBoolean<&C::ParentFont, &C::SetParentFont>("ParentFont", true).PublicOnly(),
          rpInteger<&C::GroupIndex, &C::SetGroupIndex>("GroupIndex", 0).PublicOnly(),
          rpSet<&C::Restrictions, &C::SetRestrictions>("Restrictions", rpRestrictionsType,
                                                       TrpRestrictions{})
              .PublicOnly(),
          rpBoolean<&C::Visible, &C::SetVisible>("Visible", true).PublicOnly(),
          rpString<&C::Description, &C::SetDescription>("Description").PublicOnly(),
      },
      {
          {"l", "Left"},
          {"t", "Top", &topRecorded},
          {"w", "Width", &widthRecorded},
          {"h", "Height"},
          {"Visible", "Visible"},
          {"Font.Name", "Font.Name", &ownFontDiffers},
          {"Font.Size", "Font.Size", &ownFontDiffers},
          {"Font.Color", "Font.Color", &ownFontDiffers},
          {"Font.Style", "Font.Style", &ownFontDiffers},
          {"Font.Charset", "Font.Charset", &ownFontDiffers},
          {"ParentFont", "ParentFont"},
          {"Tag", "Tag"},
      });
  return info;
}
