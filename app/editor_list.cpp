#include "editor_list.h"

#include "app_context.h"

#include "editors/frm_ch_edit.h"
#include "editors/frm_commu_book.h"
#include "editors/frm_dtmf.h"
#include "editors/frm_five_tone.h"
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
        {QStringLiteral("MnuViewDTMF"), TextKey::MenuDtmf, EditorMenu::Edit, QStringLiteral("N5"), TextKey::Dtmf, 3,
         false, [](const AppContext&) { return true; }, make<FrmDTMF>},
        {QStringLiteral("MnuView5Tone"), TextKey::MenuFiveTone, EditorMenu::Edit, QStringLiteral("N7"), TextKey::FiveTone, 4,
         false, [](const AppContext&) { return true; }, make<Frm5Tone>},
        {QStringLiteral("MnuViewKey"), TextKey::MenuKeys, EditorMenu::Edit, QStringLiteral("N16"),
         TextKey::KeyAssignment, 2, false, [](const AppContext&) { return true; }, make<FrmKey>},
        {QStringLiteral("MnuCommBook"), TextKey::MenuCommBook, EditorMenu::Edit, QStringLiteral("N8"), TextKey::CommBook,
         5, false, [](const AppContext&) { return true; }, make<FrmCommuBook>},
        {QStringLiteral("MnuView2Tone"), TextKey::MenuTwoTone, EditorMenu::Edit, QString(), TextKey{}, 0, false,
         [](const AppContext& c) { return TwoToneOffered(c.featureFlags); }, make<Frm2Tone>},
        {QStringLiteral("MnuHelpAutoTest"), TextKey::MenuAutoTest, EditorMenu::Help, QString(), TextKey{}, 0, false,
         [](const AppContext& c) { return c.FactoryMode; }, make<Frm_AutoTest>},
    };
    return list;
}

}  // namespace tq8615::app
