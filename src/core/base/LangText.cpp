#include "core/base/LangText.h"

#include "core/base/Cp1252Literal.h"

#include <array>
#include <cstddef>

namespace zelmora {

namespace {

// A language text: at most 120 characters, each one Windows-1252 can hold.
using TableText = Cp1252Literal<120>;

struct LangPair {
    std::uint16_t number;
    TableText english;
    TableText french;
};

constexpr LangPair Pairs[] = {
    {0, "Dates to celebrate", "Dates à souhaiter"},
    {1, "Friends Data", "Fiches Amis"},
    {2, "Options / Help", "Options / Aide"},
    {3, "Sort/&Name", "Tri/&Nom"},
    {4, "Sort/&Day", "Tri/&Date"},
    {5, "&New Name", "&Nouveau Nom"},
    {6, "&Delete Name", "&Supprime Nom"},
    {7, "Last Name", "Nom"},
    {8, "First Name", "Prénom"},
    {9, "Address", "Adresse"},
    {10, "ZIP Code", "Code postal"},
    {11, "City", "Ville"},
    {12, "Country", "Pays"},
    {13, "Phone Number", "N° Téléphone"},
    {14, "Birthday", "Date Anniversaire"},
    {15, "Saint's day", "Date Fête"},
    {16, "Date #1", "Date n°1"},
    {17, "Reason #1", "Raison n°1"},
    {18, "Date #2", "Date n°2"},
    {19, "Reason #2", "Raison n°2"},
    {20, "Notes", "Notes"},
    {21, "&OK", "&Valide"},
    {22, "&Cancel", "&Annule"},
    {23, "Sort Dates to celebrate", "Classement des Dates à souhaiter"},
    {24, "by Date", "par Date"},
    {25, "by Person", "par Personne"},
    {26, "Check for Dates to celebrate", "Surveillance des Dates"},
    {27, "within One Month", "d'ici à Un Mois"},
    {28, "within Two Weeks", "d'ici à Deux Semaines"},
    {29, "within One Week", "d'ici à Une Semaine"},
    {30, "Save Friends Data to a &Text file", "Sauvegarde des données dans un fichier &Texte"},
    {31, "Zelmora program options", "Options du programme Zelmora"},
    {32, "Automatic launch at Windows startup", "Lancement automatique au démarrage de Windows"},
    {33, "Add in Tray Icon", "Ajout dans la Tray Icon"},
    {34, "&Help", "&Aide"},
    {35, "&About", "à &propos"},
    {36, "Warning :", "Avertissement :"},
    // The About box notice, one line per pair; the French wording needs more lines.
    {37, "Zelmora is protected by copyright law and international treaties.",
     "Zelmora est protégé par la loi sur le droit d'auteur"},
    {38, "", "et par les conventions internationales."},
    {39, "You may use and copy it free of charge for your own personal,",
     "Vous pouvez l'utiliser et le copier gratuitement pour votre"},
    {40, "non-commercial use, provided that it is passed on whole and",
     "usage personnel et non commercial, à condition de le transmettre"},
    {41, "unchanged, together with this notice.", "complet et sans modification, accompagné de cet avertissement."},
    {42, "", "Il est interdit de le vendre ou de le joindre à un produit"},
    {43, "Selling it or bundling it with another product is not allowed.", "commercial sans autorisation."},
    {44, "Zelmora is provided as is, without warranty of any kind.",
     "Zelmora est fourni tel quel, sans aucune garantie d'aucune sorte."},
    {45, "You use it at your own risk.", "Vous l'utilisez à vos propres risques ; l'auteur ne saurait"},
    {46, "", "être tenu pour responsable d'une perte de données."},
    {47, "Your comments and suggestions are welcome:", "Vos remarques et suggestions sont les bienvenues :"},
    {48, "please write to the author of Zelmora at this", "écrivez à l'auteur de Zelmora à cette adresse"},
    {49, "Internet e-mail address :", "de courrier électronique Internet :"},
    {50, "About Zelmora", "A propos de Zelmora"},
    {51, "Zelmora Options", "Options de Zelmora"},
    {52, "&Quit", "&Quitter"},
    {53, "Buttons design", "Forme des boutons"},
    {54, "\"Rounded\" buttons", "Boutons \"arrondis\""},
    {55, "\"Right angle\" buttons", "Boutons aux angles droits"},
    {56, "Graphical background", "Interface graphique"},
    {57, "Standard gray background", "Fond gris standard"},
    {58, "Sahara #1 background", "Fond Sahara n°1"},
    {59, "Sahara #2 background", "Fond Sahara n°2"},
    {60, "Spotty background", "Fond moucheté"},
    {61, "Road background", "Fond Route"},
    {62, "Puzzle background", "Fond Puzzle"},
    {63, "Wallpaper background", "Fond Tapisserie"},
    {64, "(Dates : dd/mm/yyyy)", "(Dates : jj/mm/aaaa)"},
    {65, "or visit my Internet site :", "ou visitez mon site Internet :"},
    {66, "Do you really want to delete ", "Voulez-vous vraiment supprimer "},
    {67, " from your database ?", " de votre base de données ?"},
    {68, "Impossible to save the configuration file... Quit anyway ?",
     "Impossible de sauvegarder le fichier de configuration... Quitter quand-même ?"},
    {69, "Configuration file corrupted...", "Fichier de configuration corrompu..."},
    {70, "Database file adapted for Zelmora ", "Fichier de données adapté à Zelmora "},
    {71, "Database file corrupted...", "Fichier de données corrompu..."},
    {72, "Impossible to save the database... Quit anyway ?",
     "Impossible de sauvegarder le fichier de données... Quitter quand-même ?"},
    {73, "Before, validate or cancel the modifications for current data ?",
     "Auparavant, valider ou annuler les modifications sur la fiche actuelle ?"},
    {74, "Impossible to save file FRIENDS.TXT", "Impossible de sauvegarder le fichier FRIENDS.TXT"},
    {75, " years)", " ans)"},
    {76, "Mobile Phone number", "N° Téléphone portable"},
    {77, "Friends' List", "Liste des Amis"},
    {78, "Other Date", "Autre Date"},
    {79, "Save Friends Data to a &HTML file", "Sauvegarde des données dans un fichier &HTML"},
    {80, "If Date to celebrate today...", "Si Date à souhaiter aujourd'hui..."},
    {81, "List of Zelmora", "Liste de Zelmora"},
    {82, "File of Zelmora", "Fiches de Zelmora"},
    {83, "Back to the List of Zelmora", "Retour à la Liste de Zelmora"},
    {84, "Page made with Zelmora", "Page réalisée avec Zelmora"},
    {85, "(freeware)", "(gratuitiel)"},
    {86, "Internet Site", "Site Internet"},
    {87, "State", "Etat"},
    {88, "Export data", "Export données"},
    {89, "Save", "Sauvegarde"},
    {90, "Save only", "Sauvegarde seulement"},
    {91, "Save and open associated program", "Sauvegarde et ouvre programme associé"},
    {92, "Highlight text with red color", "Mettre en évidence l'affichage en rouge"},
    {93, "Leave text with black color", "Laisser l'affichage en noir"},
    {170, "This name already exists in your database. Keep the new copy anyway ?",
     "Ce nom existe déjà dans votre base de données. Garder le doublon quand-même ?"},
    {171, "Optional Information", "Information facultative"},
    {172, "Show Age (n years)", "Affiche Age (n ans)"},
    {173, "Show Countdown (n days)", "Affiche Compte à rebours (n jours)"},
    {174, "Do not show anything", "N'affiche rien"},
    {175, "Birthday", "Anniversaire"},
    {176, "Saint's day", "Fête"},
    {177, " days)", " jours)"},
    {178, "Friend's Card", "Fiche Ami"},
    {179, "&Print all Friends' Cards", "&Imprimer toutes les Fiches Amis"},
    {lang::CannotCreateDatabase, "Impossible to create the database file in this folder: ",
     "Impossible de créer le fichier de données dans ce dossier : "},
    {lang::DamagedFileKept, "The damaged database file was kept as ",
     "Le fichier de données endommagé a été conservé sous le nom "},
    {lang::TableFull, "Your database is full: it already holds 1000 friends.",
     "Votre base de données est pleine : elle contient déjà 1000 amis."},
    {lang::CharacterNotStorable, "This character cannot be stored: ", "Ce caractère ne peut pas être enregistré : "},
    {lang::NoSuchFriend, "No friend has this name: ", "Aucun ami ne porte ce nom : "},
    {lang::DatabaseNotSaved, "The database file could not be saved and was left unchanged: ",
     "Le fichier de données n'a pas pu être sauvegardé et n'a pas été modifié : "},
    {lang::AutoStartFailed, "Impossible to set the automatic launch: ",
     "Impossible de régler le lancement automatique : "},
    {lang::NothingToPrint, "There is no friend to print in ", "Il n'y a aucune fiche à imprimer dans "},
    {lang::MoreThanCounted, "The database file holds more than its count of friends: those counted were read.",
     "Le fichier de données contient plus d'amis que son compte : ceux comptés ont été lus."},
    {lang::DataFolderBusy, "Another Zelmora is changing the data in this folder; nothing was changed. Try again: ",
     "Un autre Zelmora modifie les données de ce dossier ; rien n'a été modifié. Réessayez : "},
    {lang::DataFolderMissing, "This data folder does not exist: ", "Ce dossier de données n'existe pas : "},
    {lang::DataFolderNotAFolder, "This data folder is not a folder: ", "Ce dossier de données n'est pas un dossier : "},
    {lang::NoDataFolder, "No folder for the data: neither HOME nor XDG_DATA_HOME is set.",
     "Aucun dossier pour les données : ni HOME ni XDG_DATA_HOME n'est défini."},
    {lang::ExportOntoData, "An export or a print never replaces the program's own files (data, settings, lock): ",
     "Un export ou une impression ne remplace jamais les fichiers du programme (données, réglages, verrou) : "},
    {lang::NotAWebAddress, "Only web addresses (http or https) are opened, not: ",
     "Seules les adresses web (http ou https) sont ouvertes, pas : "},
    {lang::WebLaunchFailed, "The browser or e-mail program could not be started: ",
     "Le navigateur ou le logiciel de messagerie n'a pas pu être lancé : "},
    // Exchange with other address books and calendars.
    {lang::ImportedCount, "Imported: ", "Importés : "},
    {lang::DuplicatesCount, ", skipped as duplicates: ", ", ignorés car en double : "},
    {lang::NamelessCount, ", skipped without a name: ", ", ignorés sans nom : "},
    {lang::ChangedCharactersCount, ", characters changed to ?: ", ", caractères changés en ? : "},
    {lang::DuplicateSkipped, "Already in your database, skipped: ", "Déjà dans votre base de données, ignoré : "},
    {lang::CharactersChangedFor, "Characters changed to ? for: ", "Caractères changés en ? pour : "},
    {lang::CardsLeftOut, "Your database is full; cards left out: ",
     "Votre base de données est pleine ; fiches laissées de côté : "},
    {lang::BirthdayOf, "Birthday of ", "Anniversaire de "},
    {lang::SaintsDayOf, "Saint's day of ", "Fête de "},
    {lang::ReasonOf, " of ", " de "},
    {lang::WeddingAnniversary, "Wedding anniversary", "Anniversaire de mariage"},
    {lang::ExchangeFileNotSaved, "Impossible to save the exported file: ",
     "Impossible de sauvegarder le fichier exporté : "},
    {lang::DatesLeftOutOfCalendar, "Dates left out of the calendar for lack of a day and month: ",
     "Dates laissées hors du calendrier faute de jour et de mois : "},
    {lang::WouldImport, "Would import: ", "Serait importé : "},
    {lang::TrialRun, "Trial run, nothing written. ", "Essai, rien n'est écrit. "},
    {lang::PrintThisCard, "Print this friend's card", "Imprimer la fiche de cet ami"},
    {lang::PrintDateCard, "Print the card of the friend of the selected date",
     "Imprimer la fiche de l'ami de la date choisie"},
    {lang::TextFiles, "Text files", "Fichiers texte"},
    {lang::HtmlFiles, "HTML files", "Fichiers HTML"},
    {lang::AddressSecondLine, "Address, second line", "Adresse, deuxième ligne"},
    {lang::Today, "Today", "Aujourd'hui"},
    {lang::AndMore, "... and %1 more", "... et %1 de plus"},
    {lang::NoNotificationArea,
     "This desktop shows no notification area: closing the window ends Zelmora, as without the tray icon.",
     "Ce bureau n'affiche pas de zone de notification : fermer la fenêtre quitte Zelmora, comme sans l'icône."},
    // Four buttons share one row: the captions are short (the file dialogs name the kinds).
    {lang::ImportVCard, "Import…", "Import…"},
    {lang::ExportVCard, "Export vCard…", "Export vCard…"},
    {lang::ExportCalendar, "Export iCal…", "Export iCal…"},
    {lang::VCardFiles, "vCard files", "Fichiers vCard"},
    {lang::CalendarFiles, "iCalendar files", "Fichiers iCalendar"},
    {lang::MakerLine, "by the Zelmora developers", "par les développeurs de Zelmora"},
    {lang::DayOutOfRange, "the day must be from 1 to 31", "le jour doit aller de 1 à 31"},
    {lang::MonthOutOfRange, "the month must be from 1 to 12", "le mois doit aller de 1 à 12"},
    {lang::NoSuchDayInMonth, "that month has no such day", "ce mois n'a pas ce jour"},
    {lang::DatabaseTooLarge, "Database file too large to be read (more than 4 MB)...",
     "Fichier de données trop grand pour être lu (plus de 4 Mo)..."},
    {lang::CardKeptUntilSaved, "The card stays as it is and is saved as soon as the folder is free.",
     "La fiche reste telle quelle et sera enregistrée dès que le dossier sera libre."},
    {lang::FriendDeletedMeanwhile, "Another program deleted this friend meanwhile. Add the card back ?",
     "Un autre programme a supprimé cet ami entre-temps. Rajouter la fiche ?"},
    {lang::CardNotSaved, "the card being edited could not be saved.", "la fiche en cours n'a pas pu être enregistrée."},
    // Saints' days.
    {lang::TodaysSaints, "Today's saints: %1", "Bonne fête aux %1 !"},
    {lang::AndBetweenNames, " and ", " et "},
    {lang::NoSaintForName, "No saint's day is known for this first name: ",
     "Aucune fête n'est connue pour ce prénom : "},
    {lang::FeteSet, "Saint's day set: ", "Fête inscrite : "},
    {lang::WouldSetFete, "Would set the saint's day: ", "Fête qui serait inscrite : "},
    {lang::SeveralFetesLeftEmpty, "Several saint's days, left empty: ", "Plusieurs fêtes possibles, laissée vide : "},
    {lang::FetesSetCount, "Saint's days set: ", "Fêtes inscrites : "},
    {lang::FetesLeftEmptyCount, ", left empty for several days: ", ", laissées vides pour plusieurs jours : "},
    // The reminders' dialog and the window's reminders.
    {lang::RemindersButton, "Reminders…", "Rappels…"},
    {lang::RemindersTitle, "Zelmora reminders", "Rappels de Zelmora"},
    {lang::RemindOnTheDay, "On the day", "Le jour même"},
    {lang::RemindDaysBefore, "Days before (– for none)", "Jours avant (– pour aucun)"},
    {lang::RemindBirthdays, "Birthdays", "Anniversaires"},
    {lang::RemindSaintsDays, "Saint's days", "Fêtes"},
    {lang::RemindOtherDates, "Other dates", "Autres dates"},
    {lang::LeapDayCaption, "29 February in common years", "Le 29 février les années non bissextiles"},
    {lang::LeapDayMarchFirst, "on 1 March", "le 1er mars"},
    {lang::LeapDayFebruaryLast, "on 28 February", "le 28 février"},
    {lang::LiveCalendarOption, "Keep the calendar file Zelmora.ics up to date",
     "Tenir à jour le fichier calendrier Zelmora.ics"},
    {lang::LiveCalendarNotKept, "The calendar file Zelmora.ics could not be kept up to date (said once).",
     "Le fichier calendrier Zelmora.ics n'a pu être tenu à jour (dit une seule fois)."},
    {lang::ControlCharactersCount, ", control characters removed: ", ", caractères de contrôle retirés : "},
    {lang::UnreadableLinesSkipped, "Unreadable lines skipped: ", "Lignes illisibles ignorées : "},
    {lang::LineNumbers, " (lines ", " (lignes "},
    {lang::NotKeptIntro, "Not kept, the card has no place for them: ",
     "Non gardés, la fiche n'a pas de place pour eux : "},
    {lang::NotKeptOrganisations, "organisations", "organisations"},
    {lang::NotKeptJobTitles, "job titles", "fonctions"},
    {lang::NotKeptPhotos, "photos", "photos"},
    {lang::NotKeptNicknames, "nicknames", "surnoms"},
    {lang::NotKeptCategories, "categories", "catégories"},
    {lang::NotKeptPhones, "other phones", "autres téléphones"},
    {lang::NotKeptEmails, "other e-mail addresses", "autres adresses e-mail"},
    {lang::NotKeptAddresses, "other addresses", "autres adresses"},
    {lang::NotKeptWebSites, "other web sites", "autres sites web"},
    {lang::NotKeptDates, "other dates", "autres dates"},
    {lang::CutToFit, "Cut to fit the card: ", "Coupé pour tenir dans la fiche : "},
    {lang::TooLongOtherTaken, "Too long for the card, another one taken: ",
     "Trop long pour la fiche, un autre est pris : "},
    {lang::TooLongLeftEmpty, "Too long for the card, left empty: ", "Trop long pour la fiche, laissé vide : "},
    {lang::NamedFromEmail, "Named after their e-mail address: ", "Nommé d'après son adresse e-mail : "},
    {lang::EmailAddress, "E-mail address", "Adresse e-mail"},
    {lang::ContactsBeyondLimit, "Contacts beyond the first 10000 of the file, left out: ",
     "Contacts au-delà des 10000 premiers du fichier, laissés de côté : "},
    {lang::NoContactsInFile, "This file holds no vCard and no CSV header row of Google Contacts, Outlook or Thunderbird.",
     "Ce fichier ne contient ni vCard ni ligne d'en-tête CSV de Google Contacts, Outlook ou Thunderbird."},
    {lang::ImportCancelled, "Import cancelled; nothing was changed.", "Import annulé ; rien n'a été modifié."},
    {lang::DueToday, "Today: ", "Aujourd'hui : "},
    {lang::DueTomorrow, "Tomorrow: ", "Demain : "},
    {lang::DueInDays, "In %1 days: ", "Dans %1 jours : "},
    {lang::AgeInYearsText, " (%1 years)", " (%1 ans)"},
    {lang::AgeOneYear, " (1 year)", " (1 an)"},
    {lang::OnDay, " on %1", " le %1"},
    {lang::SummaryWithToday, "%1 dates to celebrate, %2 of them today", "%1 dates à souhaiter, dont %2 aujourd'hui"},
    {lang::SummaryAhead, "%1 dates to celebrate in the coming days", "%1 dates à souhaiter dans les jours qui viennent"},
    {lang::BadSetting, "Zelmora.ini: %1 cannot be \"%2\"; its default \"%3\" is used.",
     "Zelmora.ini : %1 ne peut valoir « %2 » ; sa valeur par défaut « %3 » est utilisée."},
    {lang::ExtraSettingsNotSaved, "The reminder settings could not be saved: ",
     "Les réglages des rappels n'ont pu être enregistrés : "},
    {lang::NotifiedNotSaved, "The reminders shown could not be noted, so they may be shown again: ",
     "Les rappels montrés n'ont pu être notés, ils pourront revenir : "},
    {lang::BornIn, "born %1", "né(e) en %1"},
    {lang::RemindWhen, "Remind me of the dates", "Me rappeler les dates"},
    {lang::DaySuffix, " day)", " jour)"},
    {lang::AutomaticLaunchAtLogin, "Automatic launch at login", "Lancement automatique à l'ouverture de session"},
    {lang::FieldChanged, "Changed, not validated yet", "Modifié, pas encore validé"},
    {lang::CardNotValidated, "The card holds changes not saved yet", "La fiche contient des modifications non enregistrées"},
    {lang::Find, "Find", "Rechercher"},
    {lang::FindKeys, "Enter: next match, Escape: close", "Entrée : suivant, Échap : fermer"},
    {lang::PrintToPdfFile, "Print to a PDF file", "Imprimer dans un fichier PDF"},
    {lang::ImpossibleDateInField, "Impossible date in \"%1\": %2.", "Date impossible dans « %1 » : %2."},
    {lang::ProposedFetes, "Proposed saint's days", "Fêtes proposées"},
    {lang::FillFetes, "Fill in empty &saint's days…", "Compléter les &fêtes vides…"},
    {lang::FillFetesIntro, "Checked days are written on OK. A name with several days is left unchecked: choose its day.",
     "Les jours cochés sont inscrits par Valide. Un prénom à plusieurs jours reste décoché : choisissez son jour."},
    {lang::FriendColumn, "Friend", "Ami"},
    {lang::NoFeteToPropose, "No friend without a saint's day has a first name the calendar knows.",
     "Aucun ami sans fête n'a un prénom que le calendrier connaît."},
    {lang::ExportCsv, "Export CSV…", "Export CSV…"},
    {lang::CsvFiles, "CSV files", "Fichiers CSV"},
    {lang::ContactFiles, "Contacts (vCard, CSV)", "Contacts (vCard, CSV)"},
    {lang::ReadingContacts, "Reading the contacts…", "Lecture des contacts…"},
    {lang::CharactersNotStorable, "These characters cannot be stored: ", "Ces caractères ne peuvent pas être enregistrés : "},
    {lang::SyncNotACard, "The server sent no vCard at ",
     "Le serveur n'a pas envoyé de vCard à "},
    {lang::SyncSummary, "Synchronised: here %1 added, %2 changed, %3 deleted; on the server %4 added, %5 changed, %6 deleted.",
     "Synchronisé : ici %1 ajoutés, %2 modifiés, %3 supprimés ; sur le serveur %4 ajoutés, %5 modifiés, %6 supprimés."},
    {lang::SyncTrialSummary, "Trial run, nothing written: here %1 added, %2 changed, %3 deleted; on the server %4 added, %5 changed, %6 deleted.",
     "Essai, rien d'écrit : ici %1 ajoutés, %2 modifiés, %3 supprimés ; sur le serveur %4 ajoutés, %5 modifiés, %6 supprimés."},
    {lang::SyncNothingToDo, "Synchronised: nothing changed on either side.",
     "Synchronisé : rien n'a changé, ni ici ni sur le serveur."},
    {lang::SyncConflict, "%1, %2: changed on both sides; the server's value was kept, this computer's is in Zelmora-sync.txt.",
     "%1, %2 : modifié des deux côtés ; la valeur du serveur est gardée, celle d'ici est dans Zelmora-sync.txt."},
    {lang::SyncNoRoom, "Cards that did not fit the table of 1000 friends stay on the server: ",
     "Fiches restées sur le serveur faute de place parmi les 1000 amis : "},
    {lang::SyncNameless, "%1 cards without any name stay on the server.",
     "%1 fiches sans aucun nom restent sur le serveur."},
    {lang::SyncNotSetUp, "No address book server is set up: zelmora-cli sync --setup URL --user NAME",
     "Aucun serveur de carnet d'adresses n'est réglé : zelmora-cli sync --setup URL --user NOM"},
    {lang::SyncUnreachable, "The server cannot be reached; nothing was changed: ",
     "Le serveur est injoignable ; rien n'a été modifié : "},
    {lang::SyncRefused, "The server refused the user name or password (%1); nothing was changed.",
     "Le serveur a refusé le nom d'utilisateur ou le mot de passe (%1) ; rien n'a été modifié."},
    {lang::SyncServerError, "The server answered with an error; nothing was changed: ",
     "Le serveur a répondu par une erreur ; rien n'a été modifié : "},
    {lang::SyncUnreadableAnswer, "The server's answer could not be read; nothing was changed: ",
     "La réponse du serveur est illisible ; rien n'a été modifié : "},
    {lang::SyncTimedOut, "The server did not answer within %1 seconds; nothing was changed.",
     "Le serveur n'a pas répondu en %1 secondes ; rien n'a été modifié."},
    {lang::SyncUntrusted, "The server's certificate is not trusted, so nothing was sent: ",
     "Le certificat du serveur n'est pas de confiance, rien n'a donc été envoyé : "},
    {lang::SyncPlainHttp, "Warning: http:// sends the password unencrypted; it is accepted only for this computer.",
     "Attention : http:// envoie le mot de passe en clair ; il n'est accepté que pour cet ordinateur."},
    {lang::SyncPlainHttpRefused, "Plain http:// is accepted only for a server on this computer; use https:// for ",
     "http:// n'est accepté que pour un serveur sur cet ordinateur ; utilisez https:// pour "},
    {lang::SyncNoKeyring, "No keyring answers, so the password is not stored; give it with --password-stdin on each run.",
     "Aucun trousseau ne répond, le mot de passe n'est donc pas gardé ; donnez-le avec --password-stdin à chaque fois."},
    {lang::SyncNoPassword, "No password is stored for this server; give it with --password-stdin.",
     "Aucun mot de passe n'est gardé pour ce serveur ; donnez-le avec --password-stdin."},
    {lang::SyncKeepsChanging, "The cards kept changing on the server meanwhile; nothing more was changed here. Try again later.",
     "Les fiches ont changé sur le serveur entre-temps ; rien de plus n'a été modifié ici. Réessayez plus tard."},
    {lang::SyncSetUp, "Synchronisation set up with the address book \"%1\" (%2).",
     "Synchronisation réglée avec le carnet d'adresses « %1 » (%2)."},
    {lang::SyncNoAddressBook, "The server shows no address book to this user at ",
     "Le serveur ne montre aucun carnet d'adresses à cet utilisateur à "},
    {lang::SyncNoBookNamed, "No address book is named \"%1\"; the server has: %2",
     "Aucun carnet d'adresses ne s'appelle « %1 » ; le serveur a : %2"},
    {lang::SyncNotInThisBuild, "This build of Zelmora cannot synchronise with an address book server.",
     "Cette version de Zelmora ne sait pas se synchroniser avec un serveur de carnet d'adresses."},
    {lang::SyncReportHeading, "%1, synchronisation with %2",
     "%1, synchronisation avec %2"},
    {lang::SyncReportConflict, "%1, %2: the server's \"%3\" was kept; this computer had \"%4\".",
     "%1, %2 : « %3 » du serveur est gardé ; cet ordinateur avait « %4 »."},
    {lang::SyncStateUnreadable, "The synchronisation state could not be read, so friends are matched by name: ",
     "L'état de la synchronisation est illisible, les amis sont donc retrouvés par leur nom : "},
    {lang::SyncReportNotSaved, "The synchronisation report could not be saved: ",
     "Le rapport de synchronisation n'a pu être enregistré : "},
    {lang::SyncNotAddressBook, "This address is no address book server (no CardDAV answer): ",
     "Cette adresse n'est pas un serveur de carnet d'adresses (pas de réponse CardDAV) : "},
    {lang::SynchronisationButton, "S&ynchronisation…",
     "S&ynchronisation…"},
    {lang::SynchronisationCaption, "Synchronisation with an address book server",
     "Synchronisation avec un serveur de contacts"},
    {lang::ServerAddress, "Server address",
     "Adresse du serveur"},
    {lang::UserName, "User name",
     "Nom d'utilisateur"},
    {lang::Password, "Password",
     "Mot de passe"},
    {lang::AddressBook, "Address book",
     "Carnet d'adresses"},
    {lang::FindAddressBooks, "&Find the address books",
     "&Trouver les carnets"},
    {lang::SynchroniseNow, "&Synchronise now",
     "&Synchroniser maintenant"},
    {lang::LastSynchronisation, "Last synchronisation:",
     "Dernière synchronisation :"},
    {lang::Synchronising, "Synchronising…",
     "Synchronisation en cours…"},
    {lang::SyncStopUsing, "S&top synchronising",
     "&Arrêter la synchronisation"},
    {lang::SyncStopped, "Synchronisation stopped; the friends and the server's cards stay as they are.",
     "Synchronisation arrêtée ; les amis et les fiches du serveur restent tels quels."},
    {lang::SyncKeptForThisRun, "No keyring answers, so the password is kept only until Zelmora ends.",
     "Aucun trousseau ne répond, le mot de passe n'est donc gardé que jusqu'à la fin de Zelmora."},
    {lang::SyncTypePassword, "No password is known for this server: type it in the synchronisation window.",
     "Aucun mot de passe n'est connu pour ce serveur : tapez-le dans la fenêtre de synchronisation."},
};

// Pairs are numbered in ascending order with gaps (none exist from 94 to 169), so a pair
// is found through a table of positions built by the compiler.
constexpr std::uint16_t LastPair = Pairs[std::size(Pairs) - 1].number;
constexpr std::int16_t NoPair = -1;

constexpr bool pairsAreNumberedInOrder()
{
    for (std::size_t i = 1; i < std::size(Pairs); ++i) {
        if (Pairs[i].number <= Pairs[i - 1].number) {
            return false;
        }
    }
    return true;
}
static_assert(pairsAreNumberedInOrder(), "language pairs must be numbered in ascending order");

constexpr auto PairPositions = [] {
    std::array<std::int16_t, LastPair + 1> positions{};
    positions.fill(NoPair);
    for (std::size_t i = 0; i < std::size(Pairs); ++i) {
        positions[Pairs[i].number] = static_cast<std::int16_t>(i);
    }
    return positions;
}();

} // namespace

std::string_view LangText(std::uint16_t pair, Language language)
{
    if (pair > LastPair || PairPositions[pair] == NoPair) {
        return {};
    }
    const LangPair& entry = Pairs[static_cast<std::size_t>(PairPositions[pair])];
    return language == Language::French ? entry.french.view() : entry.english.view();
}

std::string LangTextWithReason(std::uint16_t pair, Language language, std::string_view reason)
{
    std::string message(LangText(pair, language));
    if (!message.empty() && message.back() != ' ') {
        message += "\n\n";
    }
    return message.append(reason);
}

std::string LangTextFilled(std::uint16_t pair, Language language, std::initializer_list<std::string_view> values)
{
    // One pass over the text, so that a value holding "%2" stays as it is.
    const std::string_view text = LangText(pair, language);
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t index = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && index < values.size()) {
            filled.append(values.begin()[index]);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace zelmora
