#pragma once
// Each field of a record described once: its value (typed get and set), where the radio image
// and the data file hold it, the values it may take, the items an editor lists for it and the
// language key of its label. The image codecs, the data file and the editors all read the
// same description, so a field cannot sit in one place for one of them and elsewhere for
// another.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "model/fixed_text.h"
#include "model/text_keys.h"

namespace tq8615 {

// How the radio image holds a field.
enum class ImageCoding : uint8_t {
    None,  // not in the radio
    Bits,  // `width` bits from bit `bit` of the byte at `at`
    Word,  // a 16-bit little-endian word at `at`
    Dcs,   // a DCS value: the code index in the byte at `at`, the inverted flag in bit `bit` of `flagAt`
    Own,   // the area codec's own rule (frequencies, texts, digits, bitmaps) at `at`
};

// `at` is an image address, or an offset inside the slot for records that have one slot each.
struct ImagePlace {
    ImageCoding coding = ImageCoding::None;
    int at = 0;
    int bit = 0;
    int width = 8;
    int flagAt = 0;
};

constexpr ImagePlace NotInImage() { return {}; }
constexpr ImagePlace Byte(int at) { return {ImageCoding::Bits, at, 0, 8, 0}; }
constexpr ImagePlace BitsAt(int at, int bit, int width) { return {ImageCoding::Bits, at, bit, width, 0}; }
constexpr ImagePlace WordAt(int at) { return {ImageCoding::Word, at, 0, 16, 0}; }
constexpr ImagePlace DcsAt(int indexAt, int flagAt, int flagBit) { return {ImageCoding::Dcs, indexAt, flagBit, 8, flagAt}; }
constexpr ImagePlace OwnRule(int at) { return {ImageCoding::Own, at, 0, 8, 0}; }

constexpr int kNoOffValue = -32768;

struct ValueRange {
    constexpr ValueRange(int lowest = 0, int highest = 0, int offValue = kNoOffValue)
        : min(lowest), max(highest), off(offValue) {}

    int min;
    int max;
    int off;  // one more value outside min..max that switches the setting off
};

// What an editor's list offers for a field. Item i stands for value i, except in a list of
// numbers, whose items stand for the numbers themselves.
enum class ItemKind : uint8_t {
    None,            // no list: the field's range says what it may hold
    Keys,            // the texts of `keys`
    OffThenNumbers,  // the text of keys[0] ("off"), then "1".."count - 1"; keys[1], when set, follows each number
    Numbers,         // "first".."first + count - 1"
    Texts,           // a fixed table of texts the editor knows by the field (steps, bandwidths)
    NumbersThenKey,  // `count` numbers from `first` in steps of `first`, each followed by a space and keys[0]
    MemoryChannels,  // the numbers of the memory channels present; the value is the number - 1
};

struct ItemList {
    ItemKind kind = ItemKind::None;
    int count = 0;
    int first = 0;
    std::array<TextKey, 6> keys{};
};

constexpr ItemList NoList() { return {}; }
template <typename... Key>
constexpr ItemList KeyList(Key... keys) { return {ItemKind::Keys, sizeof...(keys), 0, {keys...}}; }
constexpr ItemList OffThenNumbers(TextKey offKey, int last, TextKey suffixKey = TextKey{})
{
    return {ItemKind::OffThenNumbers, last + 1, 0, {offKey, suffixKey}};
}
constexpr ItemList NumberList(int first, int last) { return {ItemKind::Numbers, last - first + 1, first, {}}; }
constexpr ItemList TextList(int count) { return {ItemKind::Texts, count, 0, {}}; }
constexpr ItemList NumbersThenKey(int first, int count, TextKey key) { return {ItemKind::NumbersThenKey, count, first, {key}}; }
constexpr ItemList MemoryChannelList(int channels) { return {ItemKind::MemoryChannels, channels, 0, {}}; }

// The value of a field: typed access to one element (a number, an array entry or a
// character of a fixed text) as an int.
template <typename Record>
struct FieldValue {
    int (*get)(const Record&, int element);
    void (*set)(Record&, int element, int value);
    int count;  // elements: 1 for a number, the length of an array or a text
    int width;  // bytes an element takes in the data file
    bool text;  // a fixed text, one character an element
};

namespace field_detail {

template <typename T>
struct Elements {
    using type = T;
    static constexpr int count = 1;
    static constexpr bool text = false;
    template <typename V> static auto& at(V& v, int) { return v; }
};
template <typename T, std::size_t N>
struct Elements<std::array<T, N>> {
    using type = T;
    static constexpr int count = static_cast<int>(N);
    static constexpr bool text = false;
    template <typename V> static auto& at(V& v, int i) { return v[static_cast<std::size_t>(i)]; }
};
template <std::size_t N>
struct Elements<FixedText<N>> {
    using type = char;
    static constexpr int count = static_cast<int>(N);
    static constexpr bool text = true;
    template <typename V> static auto& at(V& v, int i) { return v.bytes[static_cast<std::size_t>(i)]; }
};

template <typename M> struct MemberOf;
template <typename R, typename T> struct MemberOf<T R::*> {
    using Record = R;
    using Type = T;
};

template <typename T>
int AsInt(T v)
{
    if constexpr (std::is_same_v<T, char>)
        return static_cast<unsigned char>(v);  // a character is its byte
    else
        return v;
}

}  // namespace field_detail

// The value of data member `Member`, or of entry `Index` of an array member.
template <auto Member, int Index = -1>
constexpr auto Value()
{
    using R = typename field_detail::MemberOf<decltype(Member)>::Record;
    using T = typename field_detail::MemberOf<decltype(Member)>::Type;
    using E = field_detail::Elements<T>;
    using Element = typename E::type;
    if constexpr (Index >= 0) {
        return FieldValue<R>{
            [](const R& r, int) { return field_detail::AsInt(E::at(r.*Member, Index)); },
            [](R& r, int, int v) { E::at(r.*Member, Index) = static_cast<Element>(v); },
            1, static_cast<int>(sizeof(Element)), false};
    } else {
        return FieldValue<R>{
            [](const R& r, int i) { return field_detail::AsInt(E::at(r.*Member, i)); },
            [](R& r, int i, int v) { E::at(r.*Member, i) = static_cast<Element>(v); },
            E::count, static_cast<int>(sizeof(Element)), E::text};
    }
}

template <typename Record>
struct Field {
    constexpr Field(std::string_view name_, FieldValue<Record> value_, int fileOffset_, ImagePlace image_,
                    ValueRange range_ = {}, ItemList items_ = {}, TextKey labelKey_ = {}, int control_ = -1,
                    int def_ = 0, std::string_view defText_ = {})
        : name(name_), value(value_), fileOffset(fileOffset_), image(image_), range(range_), items(items_),
          labelKey(labelKey_), control(control_), def(def_), defText(defText_) {}

    std::string_view name;         // the record's own name of the field
    FieldValue<Record> value;
    int fileOffset;                // inside the record's block of the data file
    ImagePlace image;
    ValueRange range;              // what the field may hold when it has no list
    ItemList items;                // what an editor lists for it
    TextKey labelKey;              // language key of its label; TextKey{} when it has none of its own
    int control;                   // index of its control in the editor's array (Combo1(n)), -1 for none
    int def;                       // default of a number
    std::string_view defText;      // default of a text
};

template <typename Record>
int Get(const Record& r, const Field<Record>& f, int element = 0) { return f.value.get(r, element); }
template <typename Record>
void Set(Record& r, const Field<Record>& f, int value, int element = 0) { f.value.set(r, element, value); }

// The values an editor may store: those of its list, or its range.
template <typename Record>
constexpr ValueRange RangeOf(const Field<Record>& f)
{
    const ItemList& l = f.items;
    switch (l.kind) {
    case ItemKind::None: return f.range;
    case ItemKind::Numbers: return {l.first, l.first + l.count - 1, kNoOffValue};
    default: return {0, l.count - 1, kNoOffValue};
    }
}
template <typename Record>
constexpr bool InRange(const Field<Record>& f, int value)
{
    const ValueRange r = RangeOf(f);
    return (value >= r.min && value <= r.max) || value == r.off;
}

template <typename Record>
constexpr int FileBytes(const Field<Record>& f) { return f.value.count * f.value.width; }

// True when the fields follow each other in the data file from `start` without gap or
// overlap and end at `end`: the file walk writes them in table order.
template <typename Record, std::size_t N>
constexpr bool TilesFile(const std::array<Field<Record>, N>& fields, int start, int end)
{
    int at = start;
    for (const auto& f : fields) {
        if (f.fileOffset != at)
            return false;
        at += FileBytes(f);
    }
    return at == end;
}

template <typename Record, std::size_t N>
constexpr const Field<Record>* FindField(const std::array<Field<Record>, N>& fields, std::string_view name)
{
    for (const auto& f : fields)
        if (f.name == name)
            return &f;
    return nullptr;
}

// Sets every number and text of the table to its default.
template <typename Record, std::size_t N>
void ApplyDefaults(Record& r, const std::array<Field<Record>, N>& fields)
{
    for (const auto& f : fields) {
        if (f.value.text) {  // padded with spaces
            for (int i = 0; i < f.value.count; ++i)
                Set(r, f, i < static_cast<int>(f.defText.size()) ? f.defText[static_cast<std::size_t>(i)] : ' ', i);
        } else {
            for (int i = 0; i < f.value.count; ++i)
                Set(r, f, f.def, i);
        }
    }
}

}  // namespace tq8615
