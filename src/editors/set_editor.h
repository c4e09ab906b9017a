#pragma once

#include "station/document.h"

#include <QStringView>
#include <QWidget>
#include <vector>

class QCheckBox;
class QGridLayout;

namespace velmora::editors {

class NameBox;

// What sets the programme service editor and the radiotext editor apart.
struct SetEditorForm {
    station::SetKind kind;
    QStringView caption;
    // Entry k has the boxes <boxName>_k and <checkName>_k.
    QStringView boxName;
    QStringView checkName;
    // Entries run down the columns, the first column first.
    int columnCount;
    int clientWidthTwips;
    int clientHeightTwips;
};

inline constexpr SetEditorForm kProgrammeServiceForm{station::SetKind::ProgrammeService,
                                                     u"Programmaservice",
                                                     u"txtProgramma",
                                                     u"chkProgramma",
                                                     2,
                                                     6855,
                                                     3135};
inline constexpr SetEditorForm kRadiotextForm{
    station::SetKind::Radiotext, u"Radiotekst", u"txtRadiotekst", u"chkRadiotekst", 1, 10800, 3105};

// frmProgramma and frmRadiotekst: one name box and one "Actief" box per entry
// of a set. The window works on a copy taken apart when it opens; the set
// changes only when "&Ok" or "&Toepassen" composes it again.
class SetEditor : public QWidget {
    Q_OBJECT

public:
    SetEditor(const SetEditorForm& form, station::Document& document, QWidget* parent = nullptr);

    // "&Toepassen": pads the names in their boxes and replaces the set.
    bool apply();

protected:
    // The first name box takes the focus when the window first shows.
    void showEvent(QShowEvent* event) override;

private:
    void addEntries(QGridLayout& grid);
    void showSet(const std::string& set);

    SetEditorForm form_;
    station::Document& document_;
    std::vector<NameBox*> names_;
    std::vector<QCheckBox*> actives_;
    bool shownBefore_ = false;
};

} // namespace velmora::editors
