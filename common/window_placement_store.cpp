#include "common/window_placement_store.h"

#include <utility>

#include "common/settings_store.h"
#include "common/text_number.h"

namespace {

// Reading stops at the first gap anyway; the bound only keeps a damaged store from making
// us walk millions of keys.
constexpr int kMaxColumns = 1000;

}  // namespace

WindowPlacementStore::WindowPlacementStore(SettingsStore& settings, std::string name, int defaultX,
                                           int defaultWidth, int defaultY, int defaultHeight)
    : settings_(settings),
      name_(std::move(name)),
      defaultX_(defaultX),
      defaultWidth_(defaultWidth),
      defaultY_(defaultY),
      defaultHeight_(defaultHeight) {}

std::string WindowPlacementStore::Key(std::string_view suffix) const {
    std::string key = name_;
    key += suffix;
    return key;
}

std::string WindowPlacementStore::ColumnKey(std::string_view list, int column) const {
    std::string key = Key("_Column");
    key += list;
    key += FormatInt(column);
    return key;
}

WindowPlacementStore::Placement WindowPlacementStore::Read() const {
    Placement placement;
    placement.x = settings_.ReadInt(kSection, Key("_x"), defaultX_);
    placement.width = settings_.ReadInt(kSection, Key("_cx"), defaultWidth_);
    placement.y = settings_.ReadInt(kSection, Key("_y"), defaultY_);
    placement.height = settings_.ReadInt(kSection, Key("_cy"), defaultHeight_);
    placement.maximised = settings_.ReadInt(kSection, Key("_max"), 0) != 0;
    return placement;
}

void WindowPlacementStore::Write(const Rect& rect, bool maximised) {
    if (!maximised) {
        settings_.WriteInt(kSection, Key("_x"), rect.left);
        settings_.WriteInt(kSection, Key("_cx"), rect.Width());
        settings_.WriteInt(kSection, Key("_y"), rect.top);
        settings_.WriteInt(kSection, Key("_cy"), rect.Height());
    }
    settings_.WriteInt(kSection, Key("_max"), maximised ? 1 : 0);
}

WindowPlacementStore::Rect WindowPlacementStore::DefaultRect() const {
    return {defaultX_, defaultY_, defaultX_ + defaultWidth_, defaultY_ + defaultHeight_};
}

WindowPlacementStore::Rect WindowPlacementStore::NormalRect() const {
    Placement placement = Read();
    if (placement.maximised) {
        return DefaultRect();
    }
    return {placement.x, placement.y, placement.x + placement.width,
            placement.y + placement.height};
}

void WindowPlacementStore::SaveColumns(std::string_view list, const std::vector<int>& widths) {
    for (std::size_t column = 0; column < widths.size() && column < kMaxColumns; ++column) {
        settings_.WriteInt(kSection, ColumnKey(list, static_cast<int>(column)), widths[column]);
    }
}

std::vector<int> WindowPlacementStore::LoadColumns(std::string_view list) const {
    std::vector<int> widths;
    for (int column = 0; column < kMaxColumns; ++column) {
        std::string key = ColumnKey(list, column);
        if (!settings_.Contains(kSection, key)) {
            break;
        }
        int width = settings_.ReadInt(kSection, key, -1);
        if (width < 0) {
            break;
        }
        widths.push_back(width);
    }
    return widths;
}
