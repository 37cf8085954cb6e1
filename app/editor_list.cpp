#include "editor_list.h"

#include "app_context.h"

#include "editors/frm_ch_edit.h"
#include "editors/frm_key.h"
#include "editors/frm_option.h"
#include "editors/frm_two_tone.h"
#include "factory/frm_auto_test.h"

namespace tq8615::app {

namespace {

template <typename Window>
std::unique_ptr<QDialog> make(AppContext& context, QWidget* parent)
{
    return std::make_unique<Window>(context, parent);
}

}  // namespace

const std::vector<EditorEntry>& EditorList()
{
    static const std::vector<EditorEntry> list = {
        {QStringLiteral("mnuEditCH"), TextKey::MenuEditChannel, EditorMenu::Edit, QString(), TextKey{}, 0, true,
         [](const AppContext&) { return true; }, make<FrmCHEdit>},
        {QStringLiteral("MnuViewSetMode"), TextKey::MenuOptions, EditorMenu::Edit, QStringLiteral("N4"),
         TextKey::OptionalFeatures, 1, false, [](const AppContext&) { return true; }, make<FrmOption>},
        {QStringLiteral("MnuViewKey"), TextKey::MenuKeys, EditorMenu::Edit, QStringLiteral("N16"),
         TextKey::KeyAssignment, 2, false, [](const AppContext&) { return true; }, make<FrmKey>},
        {QStringLiteral("MnuView2Tone"), TextKey::MenuTwoTone, EditorMenu::Edit, QString(), TextKey{}, 0, false,
         [](const AppContext& c) { return TwoToneOffered(c.featureFlags); }, make<Frm2Tone>},
        {QStringLiteral("MnuHelpAutoTest"), TextKey::MenuAutoTest, EditorMenu::Help, QString(), TextKey{}, 0, false,
         [](const AppContext& c) { return c.FactoryMode; }, make<Frm_AutoTest>},
    };
    return list;
}

}  // namespace tq8615::app
