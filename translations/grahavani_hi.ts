<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>ChartChoiceWords</name>
    <message>
        <source>Lahiri (Chitrapaksha)</source>
        <translation>लाहिड़ी (चित्रपक्ष)</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>कृष्णमूर्ति (केपी)</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
    <message>
        <source>Fagan-Bradley</source>
        <translation>फ़ेगन-ब्रैडली</translation>
    </message>
    <message>
        <source>Sri Yukteshwar</source>
        <translation>श्री युक्तेश्वर</translation>
    </message>
    <message>
        <source>J. N. Bhasin</source>
        <translation>जे. एन. भसीन</translation>
    </message>
    <message>
        <source>True Chitra</source>
        <translation>स्पष्ट चित्रा</translation>
    </message>
    <message>
        <source>True Revati</source>
        <translation>स्पष्ट रेवती</translation>
    </message>
    <message>
        <source>True Pushya</source>
        <translation>स्पष्ट पुष्य</translation>
    </message>
    <message>
        <source>Surya Siddhanta</source>
        <translation>सूर्य सिद्धांत</translation>
    </message>
    <message>
        <source>Aryabhata</source>
        <translation>आर्यभट</translation>
    </message>
    <message>
        <source>Usha-Shashi</source>
        <translation>उषा-शशि</translation>
    </message>
    <message>
        <source>Own value</source>
        <extracomment>The ayanamsa the reader types in degrees.</extracomment>
        <translation>अपना मान</translation>
    </message>
    <message>
        <source>own</source>
        <translation>अपना</translation>
    </message>
    <message>
        <source>Upper limb, with refraction</source>
        <translation>ऊपरी किनारा, अपवर्तन सहित</translation>
    </message>
    <message>
        <source>Centre of the disc, with refraction</source>
        <translation>बिंब का केंद्र, अपवर्तन सहित</translation>
    </message>
    <message>
        <source>Centre of the disc, no refraction</source>
        <translation>बिंब का केंद्र, अपवर्तन रहित</translation>
    </message>
</context>
<context>
    <name>ChartFileReading</name>
    <message>
        <source>The chart could not be opened from</source>
        <translation>कुंडली इस स्थान से नहीं खोली जा सकी</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>The picture could not be saved to</source>
        <translation>चित्र इस स्थान पर सहेजा नहीं जा सका</translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>The picture could not be made a bitmap</source>
        <translation>चित्र को बिटमैप में नहीं बदला जा सका</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> नई फ़ाइल नहीं बनाई जा सकी%1</translation>
    </message>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>इस फ़ाइल की बहुत अधिक प्रतियाँ हैं  %1</translation>
    </message>
</context>
<context>
    <name>ChartPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>प्रिंटर शुरू नहीं किया जा सका</translation>
    </message>
    <message>
        <source>The page could not be finished</source>
        <translation>पृष्ठ पूरा नहीं किया जा सका</translation>
    </message>
</context>
<context>
    <name>ChartSettings</name>
    <message>
        <source>%1 days</source>
        <translation>%1 दिन</translation>
    </message>
</context>
<context>
    <name>ChartStyle</name>
    <message>
        <source>North Indian Style</source>
        <translation>उत्तर भारतीय शैली</translation>
    </message>
    <message>
        <source>South Indian Style</source>
        <translation>दक्षिण भारतीय शैली</translation>
    </message>
    <message>
        <source>East Indian Style</source>
        <translation>पूर्व भारतीय शैली</translation>
    </message>
</context>
<context>
    <name>CoordinateSearch</name>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
</context>
<context>
    <name>DashaWords</name>
    <message>
        <source>yogini dasha</source>
        <translation>योगिनी दशा</translation>
    </message>
    <message>
        <source>mahadasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 वर्ष</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 वर्ष</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 मास</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 मास</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 दिन</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 दिन</translation>
    </message>
    <message>
        <source>Balance of %1 %2 at birth: %3 %4 %5</source>
        <extracomment>The ruler, the period&apos;s kind, then its years, months and days: &quot;Balance of Rahu mahadasha at birth: 2 years 3 months 10 days&quot;.</extracomment>
        <translation>जन्म के समय %1 %2 का शेष: %3 %4 %5</translation>
    </message>
</context>
<context>
    <name>EphemerisCaption</name>
    <message>
        <source>Classic ephemeris</source>
        <translation>पारंपरिक एफ़ेमेरिस</translation>
    </message>
    <message>
        <source>Precise ephemeris (Moshier)</source>
        <translation>सटीक एफ़ेमेरिस (मोशियर)</translation>
    </message>
    <message>
        <source>Precise ephemeris</source>
        <translation>सटीक एफ़ेमेरिस</translation>
    </message>
    <message>
        <source>%1, own ayanamsa %2</source>
        <extracomment>The engine, then the reader&apos;s own ayanamsa in degrees, minutes and seconds.</extracomment>
        <translation>%1, अपना अयनांश %2</translation>
    </message>
    <message>
        <source>%1, %2 ayanamsa</source>
        <extracomment>The engine, then the ayanamsa&apos;s short name: &quot;Precise ephemeris, Raman ayanamsa&quot;.</extracomment>
        <translation>%1, %2 अयनांश</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Select the source file </source>
        <translation>स्रोत फ़ाइल चुनें </translation>
    </message>
    <message>
        <source>Grahavani (*.gvc)</source>
        <translation>Grahavani (*.gvc)</translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>गंतव्य टेक्स्ट फ़ाइल चुनें </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation>कुंडली को टेक्स्ट के रूप में निर्यात करें (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to</source>
        <translation>रिपोर्ट इस स्थान पर सहेजी नहीं जा सकी</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The horoscope could not be saved to</source>
        <translation>जन्मपत्री इस स्थान पर सहेजी नहीं जा सकी</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>कुंडली प्रिंट नहीं की जा सकी।</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>JPEG छवि (*.jpg)</translation>
    </message>
    <message>
        <source>The chart could not be saved to</source>
        <translation>कुंडली इस स्थान पर सहेजी नहीं जा सकी</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर जाएँ</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट की जाँच करें</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में</translation>
    </message>
</context>
<context>
    <name>MessageBoxSink</name>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>कॉम्बो बॉक्स की चयन सूची खोलें</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>पीछे जाएँ</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपरी फ़ोल्डर</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपरी फ़ोल्डर पर जाएँ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>एक नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य में बदलें</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विस्तृत दृश्य में बदलें</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>स्थानों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फ़ाइलें दिखाएँ</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>संशोधन दिनांक</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation>काग़ज़</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पृष्ठ का आकार:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>काग़ज़ का स्रोत:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>अभिविन्यास</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उलटा आड़ा</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उलटा खड़ा</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिये</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पृष्ठ विन्यास</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पृष्ठ क्रम:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति शीट पृष्ठ:</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>प्रिंट</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फ़ाइल में प्रिंट करें (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फ़ाइल</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल लिखें</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फ़ाइल में प्रिंट करें ...</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पृष्ठ</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पृष्ठ</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>सम पृष्ठ</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटर के गुण</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>क्रम से मिलाएँ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उलटा क्रम</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग मोड</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>श्वेत-श्याम</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>दोनों ओर प्रिंट</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>लंबी ओर से</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>छोटी ओर से</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>प्रिंट सीमा</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सभी प्रिंट करें</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>to</source>
        <translation>से</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पृष्ठ समूह:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>आउटपुट सेटिंग्स</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल:</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>बाएँ सरकाएँ</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>दाएँ सरकाएँ</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का अपडेट उपलब्ध हो सकता है
क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Only %1 of %2 bytes could be written: the disk may be full</source>
        <translation>%2 में से केवल %1 बाइट लिखे जा सके: डिस्क भरी हुई हो सकती है</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>ऐसी कोई फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>Not an ordinary file</source>
        <translation>साधारण फ़ाइल नहीं है</translation>
    </message>
</context>
<context>
    <name>grahavani::AshtakavargaTab</name>
    <message>
        <source>Sarva</source>
        <translation>सर्व</translation>
    </message>
    <message>
        <source>Ashtakavarga</source>
        <translation>अष्टकवर्ग</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>The bindus each planet&apos;s ashtakavarga and the sarva give the twelve signs</source>
        <translation>प्रत्येक ग्रह के अष्टकवर्ग और सर्व से बारह राशियों को मिले बिंदु</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga bindus by sign</source>
        <translation>राशिवार अष्टकवर्ग बिंदु</translation>
    </message>
    <message>
        <source>Ashtakavarga drawings</source>
        <translation>अष्टकवर्ग चित्र</translation>
    </message>
    <message>
        <source>%1 bindus</source>
        <translation>%1 बिंदु</translation>
    </message>
</context>
<context>
    <name>grahavani::AtlasZoneChoice</name>
    <message>
        <source>Time zone found</source>
        <translation>समय क्षेत्र मिला</translation>
    </message>
    <message>
        <source>Repeated hour</source>
        <extracomment>The hour a clock shows twice when daylight saving time ends.</extracomment>
        <translation>दोहराया गया घंटा</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>The first of the repeated hour&apos;s two passes.</extracomment>
        <translation>पहली बार</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>The second of the repeated hour&apos;s two passes.</extracomment>
        <translation>दूसरी बार</translation>
    </message>
    <message>
        <source>Suggest zone</source>
        <translation>समय क्षेत्र सुझाएँ</translation>
    </message>
    <message>
        <source>Nearest atlas place %1: %2</source>
        <translation>एटलस का निकटतम स्थान %1: %2</translation>
    </message>
    <message>
        <source>Coordinates are those of %1: choose a place from the list or type the coordinates</source>
        <translation>निर्देशांक %1 के हैं: सूची से कोई स्थान चुनें या निर्देशांक टाइप करें</translation>
    </message>
    <message>
        <source>The City box says &quot;%1&quot;, but the latitude and longitude are those of %2, chosen from the atlas.

Calculate the chart with them?</source>
        <translation>शहर के बॉक्स में &quot;%1&quot; लिखा है, पर अक्षांश और देशांतर एटलस से चुने गए %2 के हैं।

क्या इन्हीं से कुंडली की गणना करें?</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude as whole numbers to suggest a zone.</source>
        <translation>समय क्षेत्र सुझाने के लिए कृपया अक्षांश और देशांतर पूर्ण संख्याओं में दर्ज करें।</translation>
    </message>
    <message>
        <source>The atlas has no place in &quot;%1&quot; to suggest a zone from.</source>
        <translation>एटलस में &quot;%1&quot; में ऐसा कोई स्थान नहीं है जिससे समय क्षेत्र सुझाया जा सके।</translation>
    </message>
    <message>
        <source>The chart file&apos;s zone: %1</source>
        <translation>कुंडली फ़ाइल का समय क्षेत्र: %1</translation>
    </message>
    <message>
        <source>The chart file does not say its time zone: the form&apos;s zone is used.</source>
        <translation>कुंडली फ़ाइल में समय क्षेत्र नहीं दिया गया है: फ़ॉर्म का समय क्षेत्र प्रयोग किया गया है।</translation>
    </message>
</context>
<context>
    <name>grahavani::ChartSession</name>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>Use &amp;Precise Engine</source>
        <translation>सटीक इंजन का प्रयोग करें</translation>
    </message>
    <message>
        <source>Keep &amp;Classic Engine</source>
        <translation>पारंपरिक इंजन ही रखें</translation>
    </message>
</context>
<context>
    <name>grahavani::DashaPanchangTab</name>
    <message>
        <source>Panchang</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Limb</source>
        <extracomment>One of the panchang&apos;s five limbs (tithi, vara, nakshatra, yoga, karana): a column heading.</extracomment>
        <translation>अंग</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>मान</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Paksha</source>
        <translation>पक्ष</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>&amp;Panchang</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>%1 &amp;dasha</source>
        <extracomment>The dasha system&apos;s name: &quot;Vimshottari &amp;dasha&quot;.</extracomment>
        <translation>%1 दशा</translation>
    </message>
    <message>
        <source>%1 dasha</source>
        <translation>%1 दशा</translation>
    </message>
    <message>
        <source>Dasha years of %1. Times on the birth place&apos;s clock, UTC%2.</source>
        <translation>%1 के दशा वर्ष। समय जन्म स्थान की घड़ी के अनुसार, UTC%2।</translation>
    </message>
</context>
<context>
    <name>grahavani::DashaTreeModel</name>
    <message>
        <source>▶ now</source>
        <extracomment>Marks the period running now; a screen reader says &quot;running&quot; instead.</extracomment>
        <translation>▶ अभी</translation>
    </message>
    <message>
        <source>running</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>The planet ruling the dasha period.</extracomment>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The date and time the period starts, and ends.</extracomment>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Running</source>
        <extracomment>Whether the period is running now.</extracomment>
        <translation>चालू</translation>
    </message>
</context>
<context>
    <name>grahavani::InterpretationView</name>
    <message>
        <source>Nakshatra picture</source>
        <translation>नक्षत्र चित्र</translation>
    </message>
    <message>
        <source>Lagna picture</source>
        <translation>लग्न चित्र</translation>
    </message>
    <message>
        <source>Rashi picture</source>
        <translation>राशि चित्र</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Dasha and Panchang</source>
        <translation>दशा और पंचांग</translation>
    </message>
    <message>
        <source>Ashtakavarga</source>
        <translation>अष्टकवर्ग</translation>
    </message>
    <message>
        <source>Shadbala</source>
        <translation>षड्बल</translation>
    </message>
</context>
<context>
    <name>grahavani::LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <extracomment>The View menu&apos;s choice of the language every window is shown in.</extracomment>
        <translation>भाषा</translation>
    </message>
</context>
<context>
    <name>grahavani::MDI</name>
    <message>
        <source>Grahavani 2.05</source>
        <translation>Grahavani 2.05</translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>Indian Style</source>
        <translation>भारतीय शैली</translation>
    </message>
    <message>
        <source>North Indian Style</source>
        <translation>उत्तर भारतीय शैली</translation>
    </message>
    <message>
        <source>South Indian Style</source>
        <translation>दक्षिण भारतीय शैली</translation>
    </message>
    <message>
        <source>East Indian Style</source>
        <translation>पूर्व भारतीय शैली</translation>
    </message>
    <message>
        <source>Divisional chart</source>
        <translation>वर्ग कुंडली</translation>
    </message>
    <message>
        <source>Show Interpretation</source>
        <translation>फलादेश दिखाएँ</translation>
    </message>
    <message>
        <source>Save As &amp;JPG</source>
        <translation>JPG के रूप में सहेजें</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नया</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save As &amp;Text File</source>
        <translation>टेक्स्ट फ़ाइल के रूप में सहेजें</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>कुंडली को टेक्स्ट के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF निर्यात करें...</translation>
    </message>
    <message>
        <source>Kundali &amp;Matching...</source>
        <translation>कुंडली मिलान...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>टूलबार</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>कुंडली शैली</translation>
    </message>
    <message>
        <source>&amp;North Indian Style</source>
        <translation>उत्तर भारतीय शैली</translation>
    </message>
    <message>
        <source>&amp;South Indian Style</source>
        <translation>दक्षिण भारतीय शैली</translation>
    </message>
    <message>
        <source>&amp;East Indian Style</source>
        <translation>पूर्व भारतीय शैली</translation>
    </message>
    <message>
        <source>E&amp;phemeris</source>
        <translation>एफ़ेमेरिस</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>पारंपरिक</translation>
    </message>
    <message>
        <source>&amp;Precise</source>
        <translation>सटीक</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>स्पष्ट राहु</translation>
    </message>
    <message>
        <source>&amp;Navamsa (D9)</source>
        <translation>नवांश (डी-9)</translation>
    </message>
    <message>
        <source>&amp;Lagna at Top (North Indian)</source>
        <translation>लग्न ऊपर (उत्तर भारतीय)</translation>
    </message>
    <message>
        <source>&amp;Dasha Year</source>
        <translation>दशा वर्ष</translation>
    </message>
    <message>
        <source>365.2&amp;5 days</source>
        <translation>365.25 दिन</translation>
    </message>
    <message>
        <source>365.2&amp;425 days</source>
        <translation>365.2425 दिन</translation>
    </message>
    <message>
        <source>36&amp;0 days</source>
        <translation>360 दिन</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>सेटिंग्स…</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>टूलबार</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Toolbar buttons&apos; texts and tips: commands, as short as they can be.</extracomment>
        <translation>नया</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
</context>
<context>
    <name>grahavani::MatchPartner</name>
    <message>
        <source>&amp;Boy</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Boy&apos;s chart: the current chart</source>
        <translation>वर की कुंडली: वर्तमान कुंडली</translation>
    </message>
    <message>
        <source>Boy&apos;s chart: a chart file</source>
        <translation>वर की कुंडली: कुंडली फ़ाइल</translation>
    </message>
    <message>
        <source>Choose Boy&apos;s File...</source>
        <translation>वर की फ़ाइल चुनें...</translation>
    </message>
    <message>
        <source>Choose the boy&apos;s chart file</source>
        <translation>वर की कुंडली फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Boy&apos;s chart file</source>
        <translation>वर की कुंडली फ़ाइल</translation>
    </message>
    <message>
        <source>Boy&apos;s time zone</source>
        <translation>वर का समय क्षेत्र</translation>
    </message>
    <message>
        <source>Boy&apos;s daylight saving time</source>
        <translation>वर का डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Select the boy&apos;s chart file</source>
        <translation>वर की कुंडली फ़ाइल का चयन करें</translation>
    </message>
    <message>
        <source>Choose the boy&apos;s chart file, or the current chart.</source>
        <translation>वर की कुंडली फ़ाइल चुनें, या वर्तमान कुंडली।</translation>
    </message>
    <message>
        <source>&amp;Girl</source>
        <translation>वधू</translation>
    </message>
    <message>
        <source>Girl&apos;s chart: the current chart</source>
        <translation>वधू की कुंडली: वर्तमान कुंडली</translation>
    </message>
    <message>
        <source>Girl&apos;s chart: a chart file</source>
        <translation>वधू की कुंडली: कुंडली फ़ाइल</translation>
    </message>
    <message>
        <source>Choose Girl&apos;s File...</source>
        <translation>वधू की फ़ाइल चुनें...</translation>
    </message>
    <message>
        <source>Choose the girl&apos;s chart file</source>
        <translation>वधू की कुंडली फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Girl&apos;s chart file</source>
        <translation>वधू की कुंडली फ़ाइल</translation>
    </message>
    <message>
        <source>Girl&apos;s time zone</source>
        <translation>वधू का समय क्षेत्र</translation>
    </message>
    <message>
        <source>Girl&apos;s daylight saving time</source>
        <translation>वधू का डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Select the girl&apos;s chart file</source>
        <translation>वधू की कुंडली फ़ाइल का चयन करें</translation>
    </message>
    <message>
        <source>Choose the girl&apos;s chart file, or the current chart.</source>
        <translation>वधू की कुंडली फ़ाइल चुनें, या वर्तमान कुंडली।</translation>
    </message>
    <message>
        <source>Current chart</source>
        <translation>वर्तमान कुंडली</translation>
    </message>
    <message>
        <source>Chart file</source>
        <translation>कुंडली फ़ाइल</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>कोई फ़ाइल नहीं चुनी गई</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>The chart of %1</source>
        <translation>%1 की कुंडली</translation>
    </message>
    <message>
        <source>No chart is calculated: calculate one to match it.</source>
        <translation>अभी किसी कुंडली की गणना नहीं हुई है: मिलान के लिए एक कुंडली की गणना करें।</translation>
    </message>
    <message>
        <source>Grahavani (*.gvc)</source>
        <translation>Grahavani (*.gvc)</translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <extracomment>The name, then the birth as the chart file states it.</extracomment>
        <translation>%1, जन्म %2</translation>
    </message>
    <message>
        <source>The file does not say its time zone: choose it.</source>
        <translation>फ़ाइल में समय क्षेत्र नहीं दिया गया है: उसे चुनें।</translation>
    </message>
</context>
<context>
    <name>grahavani::PlaceCompleter</name>
    <message>
        <source>Matching places</source>
        <translation>मिलते-जुलते स्थान</translation>
    </message>
</context>
<context>
    <name>grahavani::PlanetsTab</name>
    <message>
        <source>yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>no</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>The ascendant and the nine bodies; choose a column heading to sort by it</source>
        <translation>लग्न और नौ ग्रह; किसी स्तंभ के शीर्षक को चुनकर उसके अनुसार क्रम लगाएँ</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>भोगांश</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The position as the chart window writes it.</extracomment>
        <translation>पाठ</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>NakshatraLord</source>
        <translation>नक्षत्र स्वामी</translation>
    </message>
    <message>
        <source>House</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>अवस्था</translation>
    </message>
    <message>
        <source>Retrograde</source>
        <translation>वक्री</translation>
    </message>
    <message>
        <source>Combust</source>
        <translation>अस्त</translation>
    </message>
</context>
<context>
    <name>grahavani::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Own ayanamsa in decimal degrees</source>
        <translation>दशमलव अंशों में अपना अयनांश</translation>
    </message>
    <message>
        <source>The classic engine has its own ayanamsa; choose the precise engine under View → Ephemeris to choose another.</source>
        <translation>पारंपरिक इंजन का अपना अयनांश है; दूसरा अयनांश चुनने के लिए दृश्य → एफ़ेमेरिस में सटीक इंजन चुनें।</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Lunar node</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation>मध्यम राहु</translation>
    </message>
    <message>
        <source>True node</source>
        <translation>स्पष्ट राहु</translation>
    </message>
    <message>
        <source>Dasha system</source>
        <translation>दशा पद्धति</translation>
    </message>
    <message>
        <source>Dasha depth</source>
        <translation>दशा स्तर</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>दशा वर्ष</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>काग़ज़</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>ए4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>लेटर</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>अयनांश:</translation>
    </message>
    <message>
        <source>&amp;Own value (degrees):</source>
        <translation>अपना मान (अंश):</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>सूर्योदय:</translation>
    </message>
    <message>
        <source>Lunar &amp;node:</source>
        <translation>राहु:</translation>
    </message>
    <message>
        <source>Dasha s&amp;ystem:</source>
        <translation>दशा पद्धति:</translation>
    </message>
    <message>
        <source>Dasha &amp;depth:</source>
        <translation>दशा स्तर:</translation>
    </message>
    <message>
        <source>Dasha &amp;year:</source>
        <translation>दशा वर्ष:</translation>
    </message>
    <message>
        <source>PDF pape&amp;r:</source>
        <translation>PDF काग़ज़:</translation>
    </message>
    <message>
        <source>Enter decimal degrees from 0 to 60, such as 23.5</source>
        <translation>0 से 60 तक दशमलव अंश दर्ज करें, जैसे 23.5</translation>
    </message>
</context>
<context>
    <name>grahavani::ShadbalaTab</name>
    <message>
        <source>absent</source>
        <translation>अनुपस्थित</translation>
    </message>
    <message>
        <source>Shadbala</source>
        <translation>षड्बल</translation>
    </message>
    <message>
        <source>Bala</source>
        <translation>बल</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>बल</translation>
    </message>
    <message>
        <source>The six strengths of each planet in virupas and their total; Rupas and Required in rupas</source>
        <translation>प्रत्येक ग्रह के छह बल और उनका कुल विरूप में; रूप और आवश्यक स्तंभ रूप में</translation>
    </message>
    <message>
        <source>Shadbala components</source>
        <translation>षड्बल के घटक</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>घटक</translation>
    </message>
    <message>
        <source>The parts of sthana and kala bala of each planet in virupas</source>
        <translation>प्रत्येक ग्रह के स्थानबल और कालबल के भाग, विरूप में</translation>
    </message>
    <message>
        <source>Strengths in virupas, 60 to a rupa; Rupas and Required in rupas; Ratio is Rupas over Required. A planet with a ratio below 1 is below its minimum.</source>
        <translation>बल विरूप में हैं, 60 विरूप का 1 रूप; रूप और आवश्यक स्तंभ रूप में; अनुपात रूप को आवश्यक से भाग देने पर मिलता है। जिस ग्रह का अनुपात 1 से कम हो, वह अपने न्यूनतम से कम है।</translation>
    </message>
    <message>
        <source>&amp;Shadbala</source>
        <translation>षड्बल</translation>
    </message>
    <message>
        <source>Co&amp;mponents</source>
        <translation>घटक</translation>
    </message>
    <message>
        <source>Shadbala tables</source>
        <translation>षड्बल सारणियाँ</translation>
    </message>
    <message>
        <source>below minimum</source>
        <translation>न्यूनतम से कम</translation>
    </message>
    <message>
        <source>meets minimum</source>
        <translation>न्यूनतम पूर्ण</translation>
    </message>
    <message>
        <source>Sthana</source>
        <translation>स्थानबल</translation>
    </message>
    <message>
        <source>Dig</source>
        <translation>दिग्बल</translation>
    </message>
    <message>
        <source>Kala</source>
        <translation>कालबल</translation>
    </message>
    <message>
        <source>Cheshta</source>
        <translation>चेष्टाबल</translation>
    </message>
    <message>
        <source>Naisargika</source>
        <translation>नैसर्गिकबल</translation>
    </message>
    <message>
        <source>Drik</source>
        <translation>दृग्बल</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>Rupas</source>
        <translation>रूप</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>आवश्यक</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>अनुपात</translation>
    </message>
    <message>
        <source>Uchcha</source>
        <translation>उच्च</translation>
    </message>
    <message>
        <source>Saptavargaja</source>
        <translation>सप्तवर्गज</translation>
    </message>
    <message>
        <source>Ojayugma</source>
        <translation>ओजयुग्म</translation>
    </message>
    <message>
        <source>Kendra</source>
        <translation>केंद्र</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>द्रेष्काण</translation>
    </message>
    <message>
        <source>Nathonnatha</source>
        <translation>नतोन्नत</translation>
    </message>
    <message>
        <source>Paksha</source>
        <translation>पक्ष</translation>
    </message>
    <message>
        <source>Tribhaga</source>
        <translation>त्रिभाग</translation>
    </message>
    <message>
        <source>Abda</source>
        <translation>अब्द</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>मास</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>अयन</translation>
    </message>
    <message>
        <source>Yuddha</source>
        <translation>युद्ध</translation>
    </message>
</context>
<context>
    <name>grahavani::frmAbout</name>
    <message>
        <source>Grahavani 2.05</source>
        <translation>Grahavani 2.05</translation>
    </message>
    <message>
        <source>Grahavani icon</source>
        <translation>Grahavani आइकन</translation>
    </message>
    <message>
        <source>Grahavani Software shows your Rashi Chart in both the North Indian and South Indian versions. This software gives the precise astronomical positions of stars and planets during the time your birth. Vedic Astrology uses this information to forecast important incidents and probable opportunities that might arise in your life.

Thus, Grahavani Software creates ready made birth charts which can be used for further analysis.</source>
        <translation>Grahavani सॉफ़्टवेयर आपकी राशि कुंडली उत्तर भारतीय और दक्षिण भारतीय दोनों रूपों में दिखाता है। यह सॉफ़्टवेयर आपके जन्म के समय तारों और ग्रहों की सटीक खगोलीय स्थितियाँ देता है। वैदिक ज्योतिष इस जानकारी से आपके जीवन में आने वाली महत्वपूर्ण घटनाओं और संभावित अवसरों का पूर्वानुमान करता है।

इस प्रकार Grahavani सॉफ़्टवेयर तैयार जन्म कुंडलियाँ बनाता है, जिनका आगे के विश्लेषण में उपयोग किया जा सकता है।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के लिए पूरी तरह अपने ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), licensed under CC BY 4.0.</source>
        <translation>स्थान GeoNames (geonames.org) से, CC BY 4.0 लाइसेंस के अंतर्गत।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>grahavani::frmDisplay</name>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>The lord of the Moon&apos;s nakshatra.</extracomment>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>अन्य वैदिक विवरण</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>वैदिक ग्रह स्थिति</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Follows the position of a retrograde body, in a narrow cell.</extracomment>
        <translation>(व)</translation>
    </message>
</context>
<context>
    <name>grahavani::frmMain</name>
    <message>
        <source>Grahavani 2.05</source>
        <translation>Grahavani 2.05</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Get My Janam &amp;Kundali</source>
        <translation>मेरी जन्म कुंडली बनाएँ</translation>
    </message>
    <message>
        <source>Kundali &amp;Matching...</source>
        <translation>कुंडली मिलान...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth: Day</source>
        <translation>जन्म दिनांक: दिन</translation>
    </message>
    <message>
        <source>Date of Birth: Month</source>
        <translation>जन्म दिनांक: मास</translation>
    </message>
    <message>
        <source>Date of Birth: Year</source>
        <translation>जन्म दिनांक: वर्ष</translation>
    </message>
    <message>
        <source>Time of Birth: Hour</source>
        <translation>जन्म समय: घंटा</translation>
    </message>
    <message>
        <source>Time of Birth: Minute</source>
        <translation>जन्म समय: मिनट</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>The state or province of the birth place.</extracomment>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Latitude: Degrees</source>
        <translation>अक्षांश: अंश</translation>
    </message>
    <message>
        <source>Latitude: Minutes</source>
        <translation>अक्षांश: कला</translation>
    </message>
    <message>
        <source>North</source>
        <extracomment>North and South of the equator: the latitude&apos;s direction, in a narrow box.</extracomment>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude: Degrees</source>
        <translation>देशांतर: अंश</translation>
    </message>
    <message>
        <source>Longitude: Minutes</source>
        <translation>देशांतर: कला</translation>
    </message>
    <message>
        <source>East</source>
        <extracomment>East and West of Greenwich: the longitude&apos;s direction, in a narrow box.</extracomment>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;East Indian Style)</source>
        <translation>मेरी जन्म कुंडली बनाएँ (पूर्व भारतीय शैली)</translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;North Indian Style)</source>
        <translation>मेरी जन्म कुंडली बनाएँ (उत्तर भारतीय शैली)</translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;South Indian Style)</source>
        <translation>मेरी जन्म कुंडली बनाएँ (दक्षिण भारतीय शैली)</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>अक्षांश की दिशा</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>देशांतर की दिशा</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <extracomment>Hours and minutes of the lists before it, in a narrow column.</extracomment>
        <translation>घंटा/मिनट</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <extracomment>Degrees and minutes of the boxes before it, in a narrow column.</extracomment>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Get this software branded for your own website. Click here for more details.</source>
        <translation>यह सॉफ़्टवेयर अपनी वेबसाइट के लिए अपने ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के लिए पूरी तरह अपने ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Visit the Grahavani web site</source>
        <translation>Grahavani की वेबसाइट पर जाएँ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य</translation>
    </message>
</context>
<context>
    <name>grahavani::frmMatching</name>
    <message>
        <source>Kundali Matching</source>
        <translation>कुंडली मिलान</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>मिलान करें</translation>
    </message>
    <message>
        <source>Save As &amp;Text...</source>
        <translation>टेक्स्ट के रूप में सहेजें...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF निर्यात करें...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>निष्कर्ष</translation>
    </message>
    <message>
        <source>Ashtakoota</source>
        <translation>अष्टकूट</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>वधू</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>अधिकतम</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>टिप्पणियाँ</translation>
    </message>
    <message>
        <source>Boy&apos;s Manglik</source>
        <translation>वर की मांगलिक स्थिति</translation>
    </message>
    <message>
        <source>Girl&apos;s Manglik</source>
        <translation>वधू की मांगलिक स्थिति</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>मेल</translation>
    </message>
    <message>
        <source>Poruthams agreeing</source>
        <translation>मेल खाते पोरुत्तम</translation>
    </message>
    <message>
        <source>Choose the two charts and press Match.</source>
        <translation>दोनों कुंडलियाँ चुनें और &quot;मिलान करें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>Total %1 of %2</source>
        <translation>कुल %2 में से %1</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>निष्कर्ष: %1</translation>
    </message>
    <message>
        <source>Notes: none</source>
        <translation>टिप्पणियाँ: कोई नहीं</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>टिप्पणियाँ:</translation>
    </message>
    <message>
        <source>Boy: %1</source>
        <translation>वर: %1</translation>
    </message>
    <message>
        <source>Girl: %1</source>
        <translation>वधू: %1</translation>
    </message>
    <message>
        <source>agrees</source>
        <translation>मेल खाता है</translation>
    </message>
    <message>
        <source>does not agree</source>
        <translation>मेल नहीं खाता</translation>
    </message>
    <message>
        <source>%1 of %2 agree</source>
        <translation>%2 में से %1 मेल खाते हैं</translation>
    </message>
    <message>
        <source>Save the matching as text</source>
        <translation>मिलान को टेक्स्ट के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>टेक्स्ट (*.txt)</translation>
    </message>
    <message>
        <source>Export the matching as PDF</source>
        <translation>मिलान को PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The matching could not be saved to</source>
        <translation>मिलान इस स्थान पर सहेजा नहीं जा सका</translation>
    </message>
</context>
</TS>
