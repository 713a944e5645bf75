#pragma once
// The one table of every option: key, kind, record number in the settings
// file, default number, default text, and the key written into the file when
// the text is empty (for the few options that change key then).
//
// Rows stand in the order of the settings file's records. Records from 301
// on hold options of our own, each with its own number:
//   CONVTIMELM  seconds a converter may run before it is ended (0: no limit)
//   ZIPRATIOLM  largest expansion of an archive over 1 MiB (0: no limit)
//   ZIPBUDGETM  MiB that one search may extract, at most half the free space
//               of the unzip working folder's file system (0: only that half) The last column is
// the key written into the file instead of the option's own: for a text, only
// when the text is empty; for `ARESLINENU_SAVED` (the value `ARESLINENU` had
// when the last search started) always, as the file's second ARESLINENU record.
//
// Kinds:
//   Flag       32-bit 0/1, also a member of a choice group (file field nState)
//   IntState   32-bit integer kept in nState
//   IntNumber  32-bit integer kept in nNumber
//   Size       64-bit integer kept in llSize
//   Text       text in sText
//   TextSpace  text in sText; an empty text is written as a single space
//   TextInt    text in sText with a selector position in nState
//   LongText   text in sLongText
//   List       one record per element
//   Map        one record per entry (lower-case string and integer)
//   SpaceMap   a map whose single-space entry is written as "space"
//   Columns    one record per report column (name and number)
//   DateTime   a date and time of day kept as FILETIME

#define QF_OPTIONS(X) \
    X(SEPARATORH, Text, 1, 0, "\"", nullptr) \
    X(SUBFOLDERS, Flag, 3, 1, "", nullptr) \
    X(CASESENSIT, Flag, 4, 0, "", nullptr) \
    X(NOTCONTAIN, Flag, 5, 0, "", nullptr) \
    X(ALLWORDPRT, Flag, 6, 1, "", nullptr) \
    X(WHOLEWORDS, Flag, 7, 0, "", nullptr) \
    X(PARTSWORDS, Flag, 8, 0, "", nullptr) \
    X(CLINENUMBR, Flag, 9, 0, "", nullptr) \
    X(LINENRADIO, Flag, 10, 0, "", nullptr) \
    X(EDITLNUMBR, IntNumber, 11, 100, "", nullptr) \
    X(TERMSRADIO, Flag, 12, 0, "", nullptr) \
    X(EDITSTERMS, TextSpace, 13, 0, "", nullptr) \
    X(RESTORETIM, Flag, 14, 0, "", nullptr) \
    X(CKALLWORDS, Flag, 15, 1, "", nullptr) \
    X(CKANYWORDS, Flag, 16, 0, "", nullptr) \
    X(ALLINONECH, Flag, 21, 0, "", nullptr) \
    X(INANYORDER, Flag, 22, 0, "", nullptr) \
    X(INGIVORDER, Flag, 23, 0, "", nullptr) \
    X(CREACKTIME, Flag, 24, 0, "", nullptr) \
    X(CREABETWEN, Flag, 25, 0, "", nullptr) \
    X(CREAPREVOS, Flag, 26, 0, "", nullptr) \
    X(CRFROMDATE, DateTime, 27, 0, "", nullptr) \
    X(CREATODATE, DateTime, 28, 0, "", nullptr) \
    X(CRTIMENUMB, IntNumber, 29, 1, "", nullptr) \
    X(CREAGETYPE, IntNumber, 30, 0, "", nullptr) \
    X(ACCCHKTIME, Flag, 31, 0, "", nullptr) \
    X(ACCBETWEEN, Flag, 32, 0, "", nullptr) \
    X(ACCPREVIOS, Flag, 33, 0, "", nullptr) \
    X(ACFROMDATE, DateTime, 34, 0, "", nullptr) \
    X(ACCSTODATE, DateTime, 35, 0, "", nullptr) \
    X(ACTIMENUMB, IntNumber, 36, 1, "", nullptr) \
    X(ACCAGETYPE, IntNumber, 37, 0, "", nullptr) \
    X(WRTCHKTIME, Flag, 38, 0, "", nullptr) \
    X(WRTBETWEEN, Flag, 39, 0, "", nullptr) \
    X(ERTPREVIOS, Flag, 40, 0, "", nullptr) \
    X(WRFROMDATE, DateTime, 41, 0, "", nullptr) \
    X(WRITTODATE, DateTime, 42, 0, "", nullptr) \
    X(WRTIMENUMB, IntNumber, 43, 1, "", nullptr) \
    X(WRTAGETYPE, IntNumber, 44, 0, "", nullptr) \
    X(DIRECTORIS, List, 45, 0, "", nullptr) \
    X(EXCDIRECTS, List, 46, 0, "", nullptr) \
    X(ALLFILETPS, Flag, 47, 1, "", nullptr) \
    X(INCFILETPS, Flag, 48, 0, "", nullptr) \
    X(EXCFILETPS, Flag, 49, 0, "", nullptr) \
    X(SELONEFLTS, Flag, 50, 0, "", nullptr) \
    X(SELONEFILE, TextInt, 51, 0, "doc", nullptr) \
    X(INCFILEMAP, Map, 52, 0, "", nullptr) \
    X(EXCFILEMAP, Map, 53, 0, "", nullptr) \
    X(INCDELIMTS, Flag, 54, 1, "", nullptr) \
    X(SELONEDELM, Flag, 55, 0, "", nullptr) \
    X(SELONEDLMN, TextInt, 56, 0, "!", nullptr) \
    X(INCDELMMAP, SpaceMap, 57, 0, "", nullptr) \
    X(EXCDELMMAP, SpaceMap, 58, 0, "", nullptr) \
    X(CHECKCOMMT, Flag, 59, 0, "", nullptr) \
    X(NOTSHCMMNT, Flag, 61, 0, "", nullptr) \
    X(ONLYSCMMNT, Flag, 62, 0, "", nullptr) \
    X(BOTHCMMNTS, Flag, 63, 0, "", nullptr) \
    X(INCCOMCHAR, Flag, 64, 0, "", nullptr) \
    X(ONECOMCHAR, Flag, 65, 0, "", nullptr) \
    X(SELONECHAR, TextInt, 66, 0, "//", nullptr) \
    X(INCCOMMMAP, SpaceMap, 67, 0, "", nullptr) \
    X(EXCCOMMMAP, SpaceMap, 68, 0, "", nullptr) \
    X(SEARCHINRE, Flag, 69, 0, "", nullptr) \
    X(ABOVERESNO, IntState, 70, 2, "", nullptr) \
    X(BELOWRESNO, IntState, 71, 2, "", nullptr) \
    X(RESLINENUM, IntState, 72, 100, "", nullptr) \
    X(SELSORTORD, TextInt, 73, 0, "Folders", nullptr) \
    X(ASCSORTORD, Flag, 74, 1, "", nullptr) \
    X(DSCSORTORD, Flag, 75, 0, "", nullptr) \
    X(IGNDIRECTS, List, 76, 0, "", nullptr) \
    X(IALLFILETP, Flag, 77, 1, "", nullptr) \
    X(IINCFILETP, Flag, 78, 0, "", nullptr) \
    X(IEXCFILETP, Flag, 79, 0, "", nullptr) \
    X(ISELONEFLT, Flag, 80, 0, "", nullptr) \
    X(ISELONEFIL, TextInt, 81, 0, "noext", nullptr) \
    X(INCIFILEMA, Map, 82, 0, "", nullptr) \
    X(EXCIFILEMA, Map, 83, 0, "", nullptr) \
    X(INCDIRECTS, List, 84, 0, "", nullptr) \
    X(EXCCDIRECTS, List, 85, 0, "", nullptr) \
    X(IMSUBFOLDE, Flag, 86, 1, "", nullptr) \
    X(IMMAXRESLT, IntState, 87, 3, "", nullptr) \
    X(CRFILETEXT, TextSpace, 88, 0, "", nullptr) \
    X(FINDTEXTS1, Text, 89, 0, "", nullptr) \
    X(FINDRICHED, LongText, 90, 0, "", nullptr) \
    X(CSIZECHECK, Flag, 91, 0, "", nullptr) \
    X(SIZELARGER, Flag, 92, 0, "", nullptr) \
    X(SIZESMALER, Flag, 93, 0, "", nullptr) \
    X(SIZEEQUALT, Flag, 94, 0, "", nullptr) \
    X(SIZEBETWEN, Flag, 95, 0, "", nullptr) \
    X(SIZEFROMTW, Size, 96, 0, "", nullptr) \
    X(SIZETOWWWW, Size, 97, 0, "", nullptr) \
    X(SIZEINBYTS, Flag, 98, 0, "", nullptr) \
    X(SIZENKBYTS, Flag, 99, 0, "", nullptr) \
    X(SIZENMBYTS, Flag, 100, 0, "", nullptr) \
    X(SIZENGBYTS, Flag, 101, 0, "", nullptr) \
    X(SIZEVALUE, IntState, 102, 0, "", nullptr) \
    X(ARESLINENU, IntState, 103, 1, "", nullptr) \
    X(STARTCHECK, Flag, 104, 0, "", nullptr) \
    X(STARTLNRAD, Flag, 105, 0, "", nullptr) \
    X(STARTTRADO, Flag, 106, 0, "", nullptr) \
    X(STARTLNUMB, IntNumber, 107, 1, "", nullptr) \
    X(STARTETRMS, TextSpace, 108, 0, "", "STARTETERM") \
    X(STYDOSFILE, Flag, 109, 0, "", nullptr) \
    X(STSTRGFILE, Flag, 110, 0, "", nullptr) \
    X(STYPFOLDER, Flag, 111, 0, "", nullptr) \
    X(STYPESTEXT, Flag, 112, 1, "", nullptr) \
    X(FOLDCRITER, TextSpace, 113, 0, " ", nullptr) \
    X(REVCHECKBX, Flag, 114, 0, "", nullptr) \
    X(REVREVERSE, Flag, 115, 1, "", nullptr) \
    X(REVORIGINL, Flag, 116, 0, "", nullptr) \
    X(REVWRTCHKB, Flag, 117, 0, "", nullptr) \
    X(REVFILETYP, TextSpace, 118, 0, "reverse", nullptr) \
    X(REVFOLDERS, TextSpace, 119, 0, "", nullptr) \
    X(REVPSACHCK, Flag, 120, 0, "", nullptr) \
    X(REVPSOCHCK, Flag, 121, 0, "", nullptr) \
    X(REVSTARTCH, Flag, 122, 0, "", nullptr) \
    X(REVSALNRAD, Flag, 123, 0, "", nullptr) \
    X(REVSATRADO, Flag, 124, 0, "", nullptr) \
    X(REVSALNUMB, IntNumber, 125, 1, "", nullptr) \
    X(REVSATTRMS, TextSpace, 126, 0, "", "REVSATERMS") \
    X(REVSTOPCHK, Flag, 127, 0, "", nullptr) \
    X(REVSOLNRAD, Flag, 128, 0, "", nullptr) \
    X(REVSOTRADO, Flag, 129, 0, "", nullptr) \
    X(REVSOLNUMB, IntNumber, 130, 100, "", nullptr) \
    X(REVSOTTRMS, TextSpace, 131, 0, "", "REVSOTERMS") \
    X(REVERSEALL, Flag, 132, 1, "", nullptr) \
    X(REVELARGER, Flag, 133, 0, "", nullptr) \
    X(REVESMALER, Flag, 134, 0, "", nullptr) \
    X(REVEEQUALT, Flag, 135, 0, "", nullptr) \
    X(REVEBETWEN, Flag, 136, 0, "", nullptr) \
    X(REVEFROMTW, Size, 137, 0, "", nullptr) \
    X(REVETOWWWW, Size, 138, 0, "", nullptr) \
    X(REVEINBYTS, Flag, 139, 1, "", nullptr) \
    X(REVENKBYTS, Flag, 140, 0, "", nullptr) \
    X(REVENMBYTS, Flag, 141, 0, "", nullptr) \
    X(REVENGBYTS, Flag, 142, 0, "", nullptr) \
    X(REVENTBYTS, Flag, 143, 0, "", nullptr) \
    X(MATCHFILNA, Flag, 144, 1, "", nullptr) \
    X(MATCHFILTY, Flag, 145, 0, "", nullptr) \
    X(SRCTYOTHER, Flag, 146, 1, "", nullptr) \
    X(EXCCONFIRM, Flag, 147, 0, "", nullptr) \
    X(FOLCONFIRM, Flag, 148, 0, "", nullptr) \
    X(DELCONFIRM, Flag, 149, 0, "", nullptr) \
    X(COMCONFIRM, Flag, 150, 0, "", nullptr) \
    X(IFECONFIRM, Flag, 151, 0, "", nullptr) \
    X(IFOCONFIRM, Flag, 152, 0, "", nullptr) \
    X(FOLDSTRCHK, Flag, 153, 0, "", nullptr) \
    X(REVBUFFNUM, IntState, 154, 1, "", nullptr) \
    X(DEQFOLDER, List, 155, 0, "", nullptr) \
    X(SEARCHENDC, Flag, 156, 1, "", nullptr) \
    X(SEARCHENDB, Flag, 157, 1, "", nullptr) \
    X(SEARCHMAXL, IntState, 158, 10000, "", nullptr) \
    X(LISTINCLIS, Columns, 159, 0, "", nullptr) \
    X(LISTEXCLIS, Columns, 160, 0, "", nullptr) \
    X(LISTSETCHK, Flag, 161, 0, "", nullptr) \
    X(LISTRESCHK, Flag, 162, 1, "", nullptr) \
    X(LISTPRECHK, Flag, 163, 0, "", nullptr) \
    X(LISTPRERAD, Flag, 164, 0, "", nullptr) \
    X(LISTPRRRED, Flag, 165, 0, "", nullptr) \
    X(SERCHSTART, DateTime, 166, 0, "", nullptr) \
    X(SEARCHENDT, DateTime, 167, 0, "", nullptr) \
    X(DISPLAYATE, Flag, 168, 1, "", nullptr) \
    X(DISPLAYDUR, Flag, 169, 0, "", nullptr) \
    X(APPDEFRADO, Flag, 170, 0, "", nullptr) \
    X(APPSORRADO, Flag, 171, 1, "", nullptr) \
    X(LISTSUMMAR, Flag, 172, 0, "", nullptr) \
    X(LISTORIGMO, IntState, 173, 0, "", nullptr) \
    X(STANRADIO1, Flag, 174, 1, "", nullptr) \
    X(BOOLRADIO1, Flag, 175, 0, "", nullptr) \
    X(MICROBOOLR, Flag, 176, 0, "", nullptr) \
    X(SSTRGFILEE, Flag, 177, 0, "", nullptr) \
    X(FOLDECRITE, TextSpace, 178, 0, " ", nullptr) \
    X(FOLDESTRCH, Flag, 179, 0, "", nullptr) \
    X(FILEICRITE, TextSpace, 180, 0, " ", nullptr) \
    X(FILEISTRCH, Flag, 181, 0, "", nullptr) \
    X(FILEECRITE, TextSpace, 182, 0, " ", nullptr) \
    X(FILEESTRCH, Flag, 183, 0, "", nullptr) \
    X(FILENAMES1, List, 184, 0, "", nullptr) \
    X(CREINCRADO, Flag, 185, 1, "", nullptr) \
    X(CREEXCRADO, Flag, 186, 0, "", nullptr) \
    X(WRIINCRADO, Flag, 187, 1, "", nullptr) \
    X(WRIEXCRADO, Flag, 188, 0, "", nullptr) \
    X(ACCINCRADO, Flag, 189, 1, "", nullptr) \
    X(ACCEXCRADO, Flag, 190, 0, "", nullptr) \
    X(CONVWORDCH, Flag, 191, 0, "", nullptr) \
    X(CONVPDFCHK, Flag, 192, 0, "", nullptr) \
    X(CONVZIPCHK, Flag, 193, 0, "", nullptr) \
    X(ARESLINENU_SAVED, IntState, 194, 1, "", "ARESLINENU") \
    X(CFSDFLEDIT, TextSpace, 195, 0, "", nullptr) \
    X(CFOVWRRDBN, Flag, 196, 1, "", nullptr) \
    X(CFINCRRDBN, Flag, 197, 0, "", nullptr) \
    X(CFNWEXRDBN, Flag, 198, 0, "", nullptr) \
    X(CFDELCHKBX, Flag, 199, 0, "", nullptr) \
    X(ARCHIVNONE, Flag, 200, 0, "", nullptr) \
    X(ARCHIVEALL, Flag, 201, 1, "", nullptr) \
    X(ARCHIVEARC, Flag, 202, 0, "", nullptr) \
    X(ARCHIVECON, Flag, 203, 0, "", nullptr) \
    X(ARCDFLEDIT, TextSpace, 204, 0, "", nullptr) \
    X(ZIPWORKDIR, TextSpace, 205, 0, "", nullptr) \
    X(WORDWRKDIR, TextSpace, 206, 0, "", nullptr) \
    X(PDFWORKDIR, TextSpace, 207, 0, "", nullptr) \
    X(WRDDFLEDIT, TextSpace, 208, 0, "", nullptr) \
    X(PDFDFLEDIT, TextSpace, 209, 0, "", nullptr) \
    X(ZFNDFLTEXT, TextSpace, 210, 0, "", nullptr) \
    X(ZFILENAMES, List, 211, 0, "", nullptr) \
    X(SUMSHWHIDE, Flag, 212, 0, "", nullptr) \
    X(WARNINGTMP, Flag, 213, 0, "", nullptr) \
    X(CFINONEFOL, Flag, 214, 1, "", nullptr) \
    X(CFINSUBFOL, Flag, 215, 0, "", nullptr) \
    X(CFINONEFOS, Flag, 216, 0, "", nullptr) \
    X(CFINSUBFOS, Flag, 217, 0, "", nullptr) \
    X(CFRESULTSC, Flag, 218, 1, "", nullptr) \
    X(CFWORDCHKB, Flag, 219, 0, "", nullptr) \
    X(CFPDFCHECK, Flag, 220, 0, "", nullptr) \
    X(CFUNZIPCHK, Flag, 221, 0, "", nullptr) \
    /* Our own records beyond the file's original ones: limits of conversions and archives, */ \
    /* the last session, Office, OpenDocument and RTF documents read by the program itself. */ \
    X(CONVTIMELM, IntState, 301, 120, "", nullptr) \
    X(ZIPRATIOLM, IntState, 302, 100, "", nullptr) \
    X(ZIPBUDGETM, IntState, 303, 4096, "", nullptr) \
    X(RESTORELST, Flag, 311, 0, "", nullptr) \
    X(CONVOFFICE, Flag, 331, 1, "", nullptr) \
    X(OFFWRKDIR, TextSpace, 332, 0, "", nullptr)
