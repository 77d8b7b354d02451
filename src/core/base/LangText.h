#pragma once
// The bilingual text table: every text that changes with the language is one numbered
// English/French pair, fetched in the current language.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zelmora {

enum class Language : std::uint8_t { English = 0, French = 1 };

// The text of pair `pair` in `language`, as Windows-1252 bytes; empty for an unknown pair.
std::string_view LangText(std::uint16_t pair, Language language);

// Language text `pair`, then the system's `reason` (Windows-1252): directly after a text
// that ends with a blank, which introduces it, otherwise after a blank line.
std::string LangTextWithReason(std::uint16_t pair, Language language, std::string_view reason);

// Language text `pair` with "%1", "%2"... replaced by `values` in turn.
std::string LangTextFilled(std::uint16_t pair, Language language, std::initializer_list<std::string_view> values);

// The pairs by name, with their English wording where the name does not say it.
namespace lang {
inline constexpr std::uint16_t DatesToCelebrate = 0;
inline constexpr std::uint16_t FriendsData = 1;
inline constexpr std::uint16_t OptionsHelp = 2;
inline constexpr std::uint16_t SortByName = 3;
inline constexpr std::uint16_t SortByDay = 4;
inline constexpr std::uint16_t NewName = 5;
inline constexpr std::uint16_t DeleteName = 6;
inline constexpr std::uint16_t LastName = 7;
inline constexpr std::uint16_t FirstName = 8;
inline constexpr std::uint16_t Address = 9;
inline constexpr std::uint16_t ZipCode = 10;
inline constexpr std::uint16_t City = 11;
inline constexpr std::uint16_t Country = 12;
inline constexpr std::uint16_t PhoneNumber = 13;
inline constexpr std::uint16_t Birthday = 14;
inline constexpr std::uint16_t SaintsDay = 15;
inline constexpr std::uint16_t Date1 = 16;
inline constexpr std::uint16_t Reason1 = 17;
inline constexpr std::uint16_t Date2 = 18;
inline constexpr std::uint16_t Reason2 = 19;
inline constexpr std::uint16_t Notes = 20;
inline constexpr std::uint16_t Ok = 21;
inline constexpr std::uint16_t Cancel = 22;
inline constexpr std::uint16_t SortDatesCaption = 23;
inline constexpr std::uint16_t ByDate = 24;
inline constexpr std::uint16_t ByPerson = 25;
inline constexpr std::uint16_t WatchCaption = 26; // "Check for Dates to celebrate"
inline constexpr std::uint16_t WithinOneMonth = 27;
inline constexpr std::uint16_t WithinTwoWeeks = 28;
inline constexpr std::uint16_t WithinOneWeek = 29;
inline constexpr std::uint16_t SaveToTextFile = 30;
inline constexpr std::uint16_t ProgramOptionsCaption = 31;
inline constexpr std::uint16_t AutomaticLaunch = 32;
inline constexpr std::uint16_t AddInTrayIcon = 33;
inline constexpr std::uint16_t Help = 34;
inline constexpr std::uint16_t About = 35;
inline constexpr std::uint16_t Warning = 36;
inline constexpr std::uint16_t FirstNoticeLine = 37; // the About box notice: 37 to 49
inline constexpr std::uint16_t LastNoticeLine = 49;
inline constexpr std::uint16_t AboutZelmora = 50;
inline constexpr std::uint16_t ZelmoraOptions = 51;
inline constexpr std::uint16_t Quit = 52;
inline constexpr std::uint16_t ButtonsDesign = 53;
inline constexpr std::uint16_t RoundedButtons = 54;
inline constexpr std::uint16_t RightAngleButtons = 55;
inline constexpr std::uint16_t GraphicalBackground = 56;
inline constexpr std::uint16_t GreyBackground = 57; // the seven backgrounds, in the order of their tiles
inline constexpr std::uint16_t Sahara1Background = 58;
inline constexpr std::uint16_t Sahara2Background = 59;
inline constexpr std::uint16_t SpottyBackground = 60;
inline constexpr std::uint16_t RoadBackground = 61;
inline constexpr std::uint16_t PuzzleBackground = 62;
inline constexpr std::uint16_t WallpaperBackground = 63;
inline constexpr std::uint16_t DateFormatHint = 64; // "(Dates : dd/mm/yyyy)"
inline constexpr std::uint16_t OrVisitMySite = 65;
inline constexpr std::uint16_t DeleteQuestionStart = 66; // "Do you really want to delete "
inline constexpr std::uint16_t DeleteQuestionEnd = 67;   // " from your database ?"
inline constexpr std::uint16_t SettingsNotSaved = 68;    // "... Quit anyway ?"
inline constexpr std::uint16_t SettingsDamaged = 69;
inline constexpr std::uint16_t DatabaseForNewerVersion = 70; // followed by the version tag
inline constexpr std::uint16_t DatabaseDamaged = 71;
inline constexpr std::uint16_t DatabaseNotSavedQuitAnyway = 72;
inline constexpr std::uint16_t PendingEditQuestion = 73;
inline constexpr std::uint16_t ExportNotSaved = 74;
inline constexpr std::uint16_t YearsSuffix = 75; // " years)"
inline constexpr std::uint16_t MobilePhone = 76;
inline constexpr std::uint16_t FriendsList = 77;
inline constexpr std::uint16_t OtherDate = 78;
inline constexpr std::uint16_t SaveToHtmlFile = 79;
inline constexpr std::uint16_t TodayColourCaption = 80; // "If Date to celebrate today..."
inline constexpr std::uint16_t ListOfZelmora = 81;
inline constexpr std::uint16_t FileOfZelmora = 82;
inline constexpr std::uint16_t BackToList = 83;
inline constexpr std::uint16_t PageMadeWith = 84;
inline constexpr std::uint16_t Freeware = 85;
inline constexpr std::uint16_t InternetSite = 86;
inline constexpr std::uint16_t State = 87;
inline constexpr std::uint16_t ExportData = 88;
inline constexpr std::uint16_t SaveCaption = 89;
inline constexpr std::uint16_t SaveOnly = 90;
inline constexpr std::uint16_t SaveAndOpen = 91;
inline constexpr std::uint16_t HighlightInRed = 92;
inline constexpr std::uint16_t LeaveInBlack = 93;
inline constexpr std::uint16_t DuplicateNameQuestion = 170;
inline constexpr std::uint16_t OptionalInformation = 171;
inline constexpr std::uint16_t ShowAge = 172;
inline constexpr std::uint16_t ShowCountdown = 173;
inline constexpr std::uint16_t ShowNothing = 174;
inline constexpr std::uint16_t BirthdayOccasion = 175;
inline constexpr std::uint16_t SaintsDayOccasion = 176;
inline constexpr std::uint16_t DaysSuffix = 177; // " days)"
inline constexpr std::uint16_t FriendsCard = 178;
inline constexpr std::uint16_t PrintAllCards = 179;
// Pairs added for messages of this program's own (numbered from 180 on).
inline constexpr std::uint16_t CannotCreateDatabase = 180;
inline constexpr std::uint16_t DamagedFileKept = 181;
inline constexpr std::uint16_t TableFull = 182;
inline constexpr std::uint16_t CharacterNotStorable = 183;
inline constexpr std::uint16_t NoSuchFriend = 184;
inline constexpr std::uint16_t DatabaseNotSaved = 185;
inline constexpr std::uint16_t AutoStartFailed = 186;
inline constexpr std::uint16_t NothingToPrint = 187;
inline constexpr std::uint16_t MoreThanCounted = 188;
inline constexpr std::uint16_t DataFolderBusy = 189;
inline constexpr std::uint16_t DataFolderMissing = 190;
inline constexpr std::uint16_t DataFolderNotAFolder = 191;
inline constexpr std::uint16_t NoDataFolder = 192;
inline constexpr std::uint16_t ExportOntoData = 193;
inline constexpr std::uint16_t NotAWebAddress = 194;
inline constexpr std::uint16_t WebLaunchFailed = 195;
// Exchange with other address books and calendars (numbered from 200 on).
inline constexpr std::uint16_t ImportedCount = 200;          // "Imported: " then the import summary
inline constexpr std::uint16_t DuplicatesCount = 201;
inline constexpr std::uint16_t NamelessCount = 202;
inline constexpr std::uint16_t ChangedCharactersCount = 203;
inline constexpr std::uint16_t DuplicateSkipped = 204;       // followed by the friend's name
inline constexpr std::uint16_t CharactersChangedFor = 205;   // followed by the friend's name
inline constexpr std::uint16_t CardsLeftOut = 206;           // followed by a count
inline constexpr std::uint16_t BirthdayOf = 213;             // followed by the friend's name
inline constexpr std::uint16_t SaintsDayOf = 214;
inline constexpr std::uint16_t ReasonOf = 215;               // " of ", between a reason and a name
inline constexpr std::uint16_t WeddingAnniversary = 216;
inline constexpr std::uint16_t ExchangeFileNotSaved = 217;   // followed by the system's reason
inline constexpr std::uint16_t DatesLeftOutOfCalendar = 218; // followed by a count
inline constexpr std::uint16_t WouldImport = 219;            // followed by the friend's name
inline constexpr std::uint16_t TrialRun = 220;               // before the summary of a trial import
// Importing contacts from other address books (numbered from 320 on).
inline constexpr std::uint16_t ControlCharactersCount = 320; // ", control characters removed: "
inline constexpr std::uint16_t UnreadableLinesSkipped = 321; // followed by a count
inline constexpr std::uint16_t LineNumbers = 322;            // " (lines ", then the first numbers
inline constexpr std::uint16_t NotKeptIntro = 323;           // followed by counts of the kinds below
inline constexpr std::uint16_t NotKeptOrganisations = 324;
inline constexpr std::uint16_t NotKeptJobTitles = 325;
inline constexpr std::uint16_t NotKeptPhotos = 326;
inline constexpr std::uint16_t NotKeptNicknames = 327;
inline constexpr std::uint16_t NotKeptCategories = 328;
inline constexpr std::uint16_t NotKeptPhones = 329;
inline constexpr std::uint16_t NotKeptEmails = 330;
inline constexpr std::uint16_t NotKeptAddresses = 331;
inline constexpr std::uint16_t NotKeptWebSites = 332;
inline constexpr std::uint16_t NotKeptDates = 333;
inline constexpr std::uint16_t CutToFit = 334;               // followed by the friend's name and fields
inline constexpr std::uint16_t TooLongOtherTaken = 335;      // followed by the friend's name and fields
inline constexpr std::uint16_t TooLongLeftEmpty = 336;       // followed by the friend's name and fields
inline constexpr std::uint16_t NamedFromEmail = 337;         // followed by the friend's name
inline constexpr std::uint16_t EmailAddress = 338;
inline constexpr std::uint16_t ContactsBeyondLimit = 339;    // followed by a count
inline constexpr std::uint16_t NoContactsInFile = 340;
inline constexpr std::uint16_t ImportCancelled = 341;
// The window's own texts (numbered from 230 on): tooltips, file kinds, names read out for fields without a label.
inline constexpr std::uint16_t PrintThisCard = 230;
inline constexpr std::uint16_t PrintDateCard = 231;
inline constexpr std::uint16_t TextFiles = 232;
inline constexpr std::uint16_t HtmlFiles = 233;
inline constexpr std::uint16_t AddressSecondLine = 234;
inline constexpr std::uint16_t Today = 235;
inline constexpr std::uint16_t AndMore = 236; // "%1" stands for the number
inline constexpr std::uint16_t NoNotificationArea = 237;
inline constexpr std::uint16_t ImportVCard = 238;
inline constexpr std::uint16_t ExportVCard = 239;
inline constexpr std::uint16_t ExportCalendar = 240;
inline constexpr std::uint16_t VCardFiles = 241;
inline constexpr std::uint16_t CalendarFiles = 242;
inline constexpr std::uint16_t MakerLine = 243;
// Checks of what the user types and of what the files and the system hold (numbered from 250 on).
inline constexpr std::uint16_t DayOutOfRange = 250;
inline constexpr std::uint16_t MonthOutOfRange = 251;
inline constexpr std::uint16_t NoSuchDayInMonth = 252;
inline constexpr std::uint16_t DatabaseTooLarge = 253;
// The window's session (numbered from 280 on).
inline constexpr std::uint16_t CardKeptUntilSaved = 280; // followed by why it could not be saved yet
inline constexpr std::uint16_t FriendDeletedMeanwhile = 281;
inline constexpr std::uint16_t CardNotSaved = 282;
// Saints' days (numbered from 300 on).
inline constexpr std::uint16_t TodaysSaints = 300;        // "%1" stands for the names
inline constexpr std::uint16_t AndBetweenNames = 301;     // " and ", before the last of several names
inline constexpr std::uint16_t NoSaintForName = 302;      // followed by the first name
inline constexpr std::uint16_t FeteSet = 303;             // followed by the day and the friend's name
inline constexpr std::uint16_t WouldSetFete = 304;        // followed by the day and the friend's name
inline constexpr std::uint16_t SeveralFetesLeftEmpty = 305; // followed by the friend's name and the days
inline constexpr std::uint16_t FetesSetCount = 306;       // followed by a count
inline constexpr std::uint16_t FetesLeftEmptyCount = 307; // followed by a count
// The reminders' dialog and the window's reminders.
inline constexpr std::uint16_t RemindersButton = 308;     // "Reminders…"
inline constexpr std::uint16_t RemindersTitle = 309;
inline constexpr std::uint16_t RemindOnTheDay = 310;
inline constexpr std::uint16_t RemindDaysBefore = 311;
inline constexpr std::uint16_t RemindBirthdays = 312;
inline constexpr std::uint16_t RemindSaintsDays = 313;
inline constexpr std::uint16_t RemindOtherDates = 314;
inline constexpr std::uint16_t LeapDayCaption = 315;      // "29 February in common years"
inline constexpr std::uint16_t LeapDayMarchFirst = 316;
inline constexpr std::uint16_t LeapDayFebruaryLast = 317;
inline constexpr std::uint16_t LiveCalendarOption = 318;
inline constexpr std::uint16_t LiveCalendarNotKept = 319; // followed by why
// Reminders ahead of time, their settings and the calendar's alarms (numbered from 350 on).
inline constexpr std::uint16_t DueToday = 350;          // "Today: ", before a reminder
inline constexpr std::uint16_t DueTomorrow = 351;
inline constexpr std::uint16_t DueInDays = 352;         // "In %1 days: "
inline constexpr std::uint16_t AgeInYearsText = 353;    // " (%1 years)"
inline constexpr std::uint16_t AgeOneYear = 354;        // " (1 year)"
inline constexpr std::uint16_t OnDay = 355;             // " on %1", the day as dd/mm
inline constexpr std::uint16_t SummaryWithToday = 356;  // "%1 dates to celebrate, %2 of them today"
inline constexpr std::uint16_t SummaryAhead = 357;      // "%1 dates to celebrate in the coming days"
inline constexpr std::uint16_t BadSetting = 358;        // %1 the key, %2 the value, %3 the default
inline constexpr std::uint16_t ExtraSettingsNotSaved = 359; // followed by the system's reason
inline constexpr std::uint16_t NotifiedNotSaved = 360;      // followed by the system's reason
inline constexpr std::uint16_t BornIn = 361;            // "born %1"
inline constexpr std::uint16_t RemindWhen = 362;        // the caption over the lead times
// The window read right in both languages and for everyone (numbered from 390 on).
inline constexpr std::uint16_t DaySuffix = 390;          // " day)", the singular of " days)"
inline constexpr std::uint16_t AutomaticLaunchAtLogin = 391;
inline constexpr std::uint16_t FieldChanged = 392;       // what a screen reader says of a changed field
inline constexpr std::uint16_t CardNotValidated = 393;   // of the window while the card holds unsaved changes
inline constexpr std::uint16_t Find = 394;
inline constexpr std::uint16_t FindKeys = 395;           // how the find box is used
inline constexpr std::uint16_t PrintToPdfFile = 396;
// The window's saints' days, contacts and checks of what is typed (numbered from 420 on).
inline constexpr std::uint16_t ImpossibleDateInField = 420; // %1 the field's label, %2 why
inline constexpr std::uint16_t ProposedFetes = 421;
inline constexpr std::uint16_t FillFetes = 422;
inline constexpr std::uint16_t FillFetesIntro = 423;
inline constexpr std::uint16_t FriendColumn = 424;
inline constexpr std::uint16_t NoFeteToPropose = 425;
inline constexpr std::uint16_t ExportCsv = 426;
inline constexpr std::uint16_t CsvFiles = 427;
inline constexpr std::uint16_t ContactFiles = 428;
inline constexpr std::uint16_t ReadingContacts = 429;
inline constexpr std::uint16_t CharactersNotStorable = 430; // followed by the characters
// Synchronisation with an address book server (numbered from 440 on).
inline constexpr std::uint16_t SyncNotACard = 440; // followed by the card's address
inline constexpr std::uint16_t SyncSummary = 441; // %1 to %3: added, changed, deleted here; %4 to %6 there
inline constexpr std::uint16_t SyncTrialSummary = 442; // the same counts
inline constexpr std::uint16_t SyncNothingToDo = 443;
inline constexpr std::uint16_t SyncConflict = 444; // %1 the friend, %2 the field
inline constexpr std::uint16_t SyncNoRoom = 445; // followed by the names
inline constexpr std::uint16_t SyncNameless = 446; // %1 the count
inline constexpr std::uint16_t SyncNotSetUp = 447;
inline constexpr std::uint16_t SyncUnreachable = 448; // followed by the system's reason
inline constexpr std::uint16_t SyncRefused = 449; // %1 the status
inline constexpr std::uint16_t SyncServerError = 450; // followed by the status
inline constexpr std::uint16_t SyncUnreadableAnswer = 451; // followed by what was wrong
inline constexpr std::uint16_t SyncTimedOut = 452; // %1 the seconds
inline constexpr std::uint16_t SyncUntrusted = 453; // followed by the certificate's errors
inline constexpr std::uint16_t SyncPlainHttp = 454;
inline constexpr std::uint16_t SyncPlainHttpRefused = 455; // followed by the address
inline constexpr std::uint16_t SyncNoKeyring = 456;
inline constexpr std::uint16_t SyncNoPassword = 457;
inline constexpr std::uint16_t SyncKeepsChanging = 458;
inline constexpr std::uint16_t SyncSetUp = 459; // %1 the address book, %2 its address
inline constexpr std::uint16_t SyncNoAddressBook = 460; // followed by the address
inline constexpr std::uint16_t SyncNoBookNamed = 461; // %1 the name, %2 the names there
inline constexpr std::uint16_t SyncNotInThisBuild = 462;
inline constexpr std::uint16_t SyncReportHeading = 463; // %1 the date and time, %2 the server
inline constexpr std::uint16_t SyncReportConflict = 464; // %1 friend, %2 field, %3 server's, %4 here
inline constexpr std::uint16_t SyncStateUnreadable = 465; // followed by the reason
inline constexpr std::uint16_t SyncReportNotSaved = 466; // followed by the reason
inline constexpr std::uint16_t SyncNotAddressBook = 467; // followed by the address
inline constexpr std::uint16_t SynchronisationButton = 468;
inline constexpr std::uint16_t SynchronisationCaption = 469;
inline constexpr std::uint16_t ServerAddress = 470;
inline constexpr std::uint16_t UserName = 471;
inline constexpr std::uint16_t Password = 472;
inline constexpr std::uint16_t AddressBook = 473;
inline constexpr std::uint16_t FindAddressBooks = 474;
inline constexpr std::uint16_t SynchroniseNow = 475;
inline constexpr std::uint16_t LastSynchronisation = 476;
inline constexpr std::uint16_t Synchronising = 477;
inline constexpr std::uint16_t SyncStopUsing = 478;
inline constexpr std::uint16_t SyncStopped = 479;
inline constexpr std::uint16_t SyncKeptForThisRun = 480;
inline constexpr std::uint16_t SyncTypePassword = 481;
} // namespace lang

} // namespace zelmora
