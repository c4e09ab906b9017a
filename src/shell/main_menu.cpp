#include "shell/main_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <optional>

namespace velmora::shell {

namespace {

// One row of the menu tree. Depth 0 is a menu of the menu bar; an entry
// followed by deeper entries is a submenu; the caption "-" is a separator.
struct MenuEntry {
    int depth;
    QStringView name;
    QStringView caption;
    QStringView keys;
    bool enabled;
    std::optional<Command> command;
};

constexpr std::array kMenuTree{
    MenuEntry{0, u"mnuBestand", u"&Bestand", u"", true, std::nullopt},
    MenuEntry{1, u"mnuBestand_nieuw", u"&Nieuw...", u"Ctrl+N", false, Command::NewDocument},
    MenuEntry{1, u"mnuBestand_open", u"&Open...", u"Ctrl+O", true, Command::OpenFile},
    MenuEntry{1, u"mnuBestand_sluit", u"&Sluit...", u"", false, Command::CloseWindow},
    MenuEntry{1, u"mnuBestand_spatie1", u"-", u"", true, std::nullopt},
    MenuEntry{1, u"mnuBestand_opslaan", u"O&pslaan", u"Ctrl+S", false, Command::Save},
    MenuEntry{1, u"mnuBestand_opslaanals", u"Ops&laan als...", u"", true, Command::SaveAs},
    MenuEntry{1, u"mnuBestand_spatie2", u"-", u"", true, std::nullopt},
    MenuEntry{1, u"mnuBestand_afdrukvoorbeeld", u"A&fdrukvoorbeeld", u"", false,
              Command::PrintPreview},
    MenuEntry{1, u"mnuBestand_afdrukken", u"Af&drukken", u"Ctrl+P", false, Command::Print},
    MenuEntry{1, u"mnuBestand_spatie3", u"-", u"", true, std::nullopt},
    MenuEntry{1, u"mnuBestand_opnieuwaanmelden", u"Opnieuw &aanmelden", u"Ctrl+A", true,
              Command::LogInAgain},
    MenuEntry{1, u"mnuBestand_afsluiten", u"Afsluiten", u"Ctrl+E", true, Command::Exit},
    MenuEntry{0, u"mnuBewerken", u"Be&werken", u"", true, std::nullopt},
    MenuEntry{1, u"mnuBewerken_velmoravullen", u"Velmora &vullen", u"", false, Command::Fill},
    MenuEntry{1, u"mnuBewerken_velmorauitlezen", u"Velmora &uitlezen", u"", false,
              Command::ReadOut},
    MenuEntry{1, u"mnuBewerken_velmoracontroleren", u"Velmora &controleren", u"", false,
              Command::Verify},
    MenuEntry{1, u"mnuBewerken_allezendersvullen", u"Alle zenders &vullen", u"", true,
              Command::FillAllEncoders},
    MenuEntry{1, u"mnuBewerken_allezenderscontroleren", u"Alle zenders &controleren", u"", true,
              Command::VerifyAllEncoders},
    MenuEntry{1, u"mnuBewerken_liveradiotekst", u"&Live radiotekst...", u"", true,
              Command::LiveRadiotext},
    MenuEntry{1, u"mnuBewerken_planning", u"&Planning...", u"", true, Command::Planning},
    MenuEntry{0, u"mnuInstellingen", u"&Instellingen", u"", true, std::nullopt},
    MenuEntry{1, u"mnuInstellingen_compoort", u"&Compoort", u"", false, Command::ComPort},
    MenuEntry{1, u"mnuInstellingen_zenders", u"&Zenders...", u"", false, Command::Encoders},
    MenuEntry{1, u"mnuInstellingen_radiotekst", u"&Radiotekst", u"", true, Command::Radiotext},
    MenuEntry{1, u"mnuInstellingen_programmaservice", u"&Programmaservice", u"", true,
              Command::ProgrammeService},
    MenuEntry{1, u"mnuInstellingen_decoderinformatie", u"&Decoderinformatie", u"", true,
              Command::DecoderInformation},
    MenuEntry{1, u"mnuInstellingenProgrammaIdentificatie", u"&Programma Identificatie", u"", true,
              Command::ProgrammeIdentification},
    MenuEntry{1, u"mnuInstellingen_spatie1", u"-", u"", true, std::nullopt},
    MenuEntry{1, u"mnuInstellingen_gebruikers", u"&Gebruikers", u"", true, std::nullopt},
    MenuEntry{2, u"mnuInstellingen_gebruikers_gebruikertoevoegen", u"&Gebruiker toevoegen", u"",
              true, Command::AddUser},
    MenuEntry{2, u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen",
              u"Huidige gebruiker aanpassen", u"", false, Command::EditCurrentUser},
    MenuEntry{1, u"mnuInstellingen_opties", u"&Opties", u"", false, Command::Options},
    MenuEntry{0, u"mnuVenster", u"&Venster", u"", true, std::nullopt},
    MenuEntry{1, u"mnuVenster_overzicht", u"&Overzicht", u"", true, Command::Overview},
    MenuEntry{1, u"mnuVenster_voorbeeld", u"&Voorbeeld", u"", true, Command::Preview},
    MenuEntry{1, u"mnuVenster_logboek", u"&Logboek", u"", true, Command::Log},
    MenuEntry{1, u"mnuVenster_trapsgewijs", u"&Trapsgewijs", u"", false, Command::Cascade},
    MenuEntry{0, u"mnuHelp", u"&Help", u"", true, std::nullopt},
    MenuEntry{1, u"mnuHelp_info", u"&Info", u"", true, Command::About},
};

bool opensSubmenu(std::size_t index) {
    return kMenuTree[index].depth == 0 ||
           (index + 1 < kMenuTree.size() && kMenuTree[index + 1].depth > kMenuTree[index].depth);
}

} // namespace

MainMenu::MainMenu(QMenuBar& bar) {
    std::array<QMenu*, 2> openMenus{};
    for (std::size_t index = 0; index < kMenuTree.size(); ++index) {
        const MenuEntry& entry = kMenuTree[index];
        QMenu* parent =
            entry.depth > 0 ? openMenus[static_cast<std::size_t>(entry.depth - 1)] : nullptr;
        QAction* action = nullptr;
        if (opensSubmenu(index)) {
            QMenu* menu = parent != nullptr ? parent->addMenu(entry.caption.toString())
                                            : bar.addMenu(entry.caption.toString());
            menu->setObjectName(entry.name.toString());
            openMenus[static_cast<std::size_t>(entry.depth)] = menu;
            action = menu->menuAction();
            if (entry.name == u"mnuBestand") {
                fileMenu_ = menu;
            } else if (entry.name == u"mnuVenster") {
                windowMenu_ = menu;
            }
        } else if (entry.caption == u"-") {
            action = parent->addSeparator();
        } else {
            action = parent->addAction(entry.caption.toString());
            action->setShortcut(QKeySequence(entry.keys.toString()));
        }
        action->setObjectName(entry.name.toString());
        action->setEnabled(entry.enabled);
        if (entry.command) {
            items_[indexOf(*entry.command)] = action;
        }
    }
}

} // namespace velmora::shell
