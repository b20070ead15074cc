<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>ChartChoiceWords</name>
    <message>
        <source>Lahiri (Chitrapaksha)</source>
        <translation>லாஹிரி (சித்திரபட்சம்)</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>லாஹிரி</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ராமன்</translation>
    </message>
    <message>
        <source>Krishnamurti (KP)</source>
        <translation>கிருஷ்ணமூர்த்தி (கே.பி.)</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>கிருஷ்ணமூர்த்தி</translation>
    </message>
    <message>
        <source>Fagan-Bradley</source>
        <translation>ஃபேகன்-பிராட்லி</translation>
    </message>
    <message>
        <source>Sri Yukteshwar</source>
        <translation>ஸ்ரீ யுக்தேஸ்வர்</translation>
    </message>
    <message>
        <source>J. N. Bhasin</source>
        <translation>ஜே. என். பசின்</translation>
    </message>
    <message>
        <source>True Chitra</source>
        <translation>ஸ்புட சித்திரை</translation>
    </message>
    <message>
        <source>True Revati</source>
        <translation>ஸ்புட ரேவதி</translation>
    </message>
    <message>
        <source>True Pushya</source>
        <translation>ஸ்புட பூசம்</translation>
    </message>
    <message>
        <source>Surya Siddhanta</source>
        <translation>சூரிய சித்தாந்தம்</translation>
    </message>
    <message>
        <source>Aryabhata</source>
        <translation>ஆரியபட்டர்</translation>
    </message>
    <message>
        <source>Usha-Shashi</source>
        <translation>உஷா-சசி</translation>
    </message>
    <message>
        <source>Own value</source>
        <extracomment>The ayanamsa the reader types in degrees.</extracomment>
        <translation>சொந்த மதிப்பு</translation>
    </message>
    <message>
        <source>own</source>
        <translation>சொந்த</translation>
    </message>
    <message>
        <source>Upper limb, with refraction</source>
        <translation>மேல் விளிம்பு, ஒளிவிலகலுடன்</translation>
    </message>
    <message>
        <source>Centre of the disc, with refraction</source>
        <translation>பிம்ப மையம், ஒளிவிலகலுடன்</translation>
    </message>
    <message>
        <source>Centre of the disc, no refraction</source>
        <translation>பிம்ப மையம், ஒளிவிலகல் இன்றி</translation>
    </message>
</context>
<context>
    <name>ChartFileReading</name>
    <message>
        <source>The chart could not be opened from</source>
        <translation>பின்வரும் இடத்திலிருந்து ஜாதகத்தைத் திறக்க முடியவில்லை</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>The picture could not be saved to</source>
        <translation>படத்தைப் பின்வரும் இடத்தில் சேமிக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>The picture could not be made a bitmap</source>
        <translation>படத்தைப் பிட்மேப்பாக மாற்ற முடியவில்லை</translation>
    </message>
    <message>
        <source> UNABLE  TO  CREATE  NEW  FILE%1</source>
        <translation> புதிய கோப்பை உருவாக்க முடியவில்லை%1</translation>
    </message>
    <message>
        <source>There are too many Copies of this file  %1</source>
        <translation>இந்தக் கோப்பின் நகல்கள் மிக அதிகமாக உள்ளன  %1</translation>
    </message>
</context>
<context>
    <name>ChartPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>அச்சுப்பொறியைத் தொடங்க முடியவில்லை</translation>
    </message>
    <message>
        <source>The page could not be finished</source>
        <translation>பக்கத்தை முடிக்க முடியவில்லை</translation>
    </message>
</context>
<context>
    <name>ChartSettings</name>
    <message>
        <source>%1 days</source>
        <translation>%1 நாட்கள்</translation>
    </message>
</context>
<context>
    <name>ChartStyle</name>
    <message>
        <source>North Indian Style</source>
        <translation>வட இந்திய முறை</translation>
    </message>
    <message>
        <source>South Indian Style</source>
        <translation>தென் இந்திய முறை</translation>
    </message>
    <message>
        <source>East Indian Style</source>
        <translation>கிழக்கு இந்திய முறை</translation>
    </message>
</context>
<context>
    <name>CoordinateSearch</name>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
</context>
<context>
    <name>DashaWords</name>
    <message>
        <source>yogini dasha</source>
        <translation>யோகினி தசை</translation>
    </message>
    <message>
        <source>mahadasha</source>
        <translation>மகாதசை</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 வருடம்</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 வருடங்கள்</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 மாதம்</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 மாதங்கள்</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 நாள்</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 நாட்கள்</translation>
    </message>
    <message>
        <source>Balance of %1 %2 at birth: %3 %4 %5</source>
        <extracomment>The ruler, the period&apos;s kind, then its years, months and days: &quot;Balance of Rahu mahadasha at birth: 2 years 3 months 10 days&quot;.</extracomment>
        <translation>பிறப்பின்போது %1 %2 இருப்பு: %3 %4 %5</translation>
    </message>
</context>
<context>
    <name>EphemerisCaption</name>
    <message>
        <source>Classic ephemeris</source>
        <translation>பாரம்பரிய எஃபிமெரிஸ்</translation>
    </message>
    <message>
        <source>Precise ephemeris (Moshier)</source>
        <translation>துல்லிய எஃபிமெரிஸ் (மோஷியர்)</translation>
    </message>
    <message>
        <source>Precise ephemeris</source>
        <translation>துல்லிய எஃபிமெரிஸ்</translation>
    </message>
    <message>
        <source>%1, own ayanamsa %2</source>
        <extracomment>The engine, then the reader&apos;s own ayanamsa in degrees, minutes and seconds.</extracomment>
        <translation>%1, சொந்த அயனாம்சம் %2</translation>
    </message>
    <message>
        <source>%1, %2 ayanamsa</source>
        <extracomment>The engine, then the ayanamsa&apos;s short name: &quot;Precise ephemeris, Raman ayanamsa&quot;.</extracomment>
        <translation>%1, %2 அயனாம்சம்</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Select the source file </source>
        <translation>மூலக் கோப்பைத் தேர்ந்தெடுக்கவும் </translation>
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
        <translation>சேருமிட உரைக் கோப்பைத் தேர்ந்தெடுக்கவும் </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation>ஜாதகத்தை உரையாக ஏற்றுமதி செய் (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to</source>
        <translation>அறிக்கையைப் பின்வரும் இடத்தில் சேமிக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The horoscope could not be saved to</source>
        <translation>ஜாதகத்தைப் பின்வரும் இடத்தில் சேமிக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>ஜாதகத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>JPEG படம் (*.jpg)</translation>
    </message>
    <message>
        <source>The chart could not be saved to</source>
        <translation>ஜாதகத்தைப் பின்வரும் இடத்தில் சேமிக்க முடியவில்லை</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்தைப் பார்வையிடு</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருளைப் பற்றி</translation>
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
        <translation>தேர்வுப் பட்டியலைத் திற</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>வேறு பெயரில் சேமி</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>இதில் தேடு:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>பின்னோக்கிச் செல்</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>முன்செல்</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>முன்னோக்கிச் செல்</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>மேல் அடைவு</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>மேல் அடைவுக்குச் செல்</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>புதிய கோப்புறையை உருவாக்கு</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>ஒரு புதிய கோப்புறையை உருவாக்கு</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>பட்டியல் காட்சி</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>பட்டியல் காட்சிக்கு மாற்று</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>விவரக் காட்சி</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>விவரக் காட்சிக்கு மாற்று</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>பக்கப்பட்டி</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>இடங்கள் மற்றும் புத்தகக்குறிகளின் பட்டியல்</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>கோப்புகள்</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>கோப்பின் பெயர்:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>கோப்பு வகை:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>புதிய கோப்புறை</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>புதிய கோப்புறை</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>பெயர் மாற்று</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>மறைந்த கோப்புகளைக் காட்டு</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ஏற்கெனவே உள்ளது.
அதை மாற்றீடு செய்ய விரும்புகிறீர்களா?</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>சமீபத்திய இடங்கள்</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>அளவு</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>மாற்றிய தேதி</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>கணினி</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர்</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய்</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation>தாள்</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>பக்க அளவு:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>அகலம்:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>உயரம்:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>தாள் மூலம்:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>திசையமைவு</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>நீளவாக்கு</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>அகலவாக்கு</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>தலைகீழ் அகலவாக்கு</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>தலைகீழ் நீளவாக்கு</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>ஓரங்கள்</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>பக்க அமைப்பு</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>பக்க வரிசை:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>ஒரு தாளில் பக்கங்கள்:</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>பயன்படுத்து</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம்</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>விருப்பங்கள் &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>விருப்பங்கள் &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>கோப்பில் அச்சிடு (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>உள்ளகக் கோப்பு</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF கோப்பை எழுது</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>கோப்பில் அச்சிடு ...</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>அனைத்துப் பக்கங்களும்</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>ஒற்றைப்படைப் பக்கங்கள்</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>இரட்டைப்படைப் பக்கங்கள்</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>அச்சுப்பொறி பண்புகள்</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>பக்கம்</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>மேம்பட்டவை</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>நகல்கள்</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>நகல்கள்:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>வரிசைப்படுத்து</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>தலைகீழ் வரிசை</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>விருப்பங்கள்</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>வண்ணப் பயன்முறை</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>வண்ணம்</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>சாம்பல் நிறம்</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>இருபக்க அச்சிடல்</translation>
    </message>
    <message>
        <source>None</source>
        <translation>எதுவுமில்லை</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>நீளப் பக்கம்</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>குறுகிய பக்கம்</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>அச்சு வரம்பு</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>அனைத்தையும் அச்சிடு</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>பக்கங்கள்</translation>
    </message>
    <message>
        <source>to</source>
        <translation>முதல்</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>பக்கங்கள்</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>பக்கத் தொகுப்பு:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>வெளியீட்டு அமைப்புகள்</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>அச்சுப்பொறி</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>பெயர்:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>பண்புகள்</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>இருப்பிடம்:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>முன்னோட்டம்</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>வகை:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>வெளியீட்டுக் கோப்பு:</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>இடப்புறம் நகர்த்து</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>வலப்புறம் நகர்த்து</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர்</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய்</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>இணைப்பு முகவரியை நகலெடு</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>பயன்பாடு ஏற்கெனவே இயங்கிக்கொண்டிருக்கிறது</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>இந்த மென்பொருளுக்குப் புதுப்பிப்பு கிடைக்கக்கூடும்
புதுப்பிப்பு உள்ளதா எனச் சரிபார்க்க விரும்புகிறீர்களா?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Only %1 of %2 bytes could be written: the disk may be full</source>
        <translation>%2 பைட்டுகளில் %1 மட்டுமே எழுத முடிந்தது: வட்டு நிரம்பியிருக்கலாம்</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>அத்தகைய கோப்பு இல்லை</translation>
    </message>
    <message>
        <source>Not an ordinary file</source>
        <translation>இது சாதாரணக் கோப்பு அல்ல</translation>
    </message>
</context>
<context>
    <name>grahavani::AshtakavargaTab</name>
    <message>
        <source>Sarva</source>
        <translation>சர்வ</translation>
    </message>
    <message>
        <source>Ashtakavarga</source>
        <translation>அஷ்டவர்க்கம்</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>The bindus each planet&apos;s ashtakavarga and the sarva give the twelve signs</source>
        <translation>ஒவ்வொரு கிரகத்தின் அஷ்டவர்க்கமும் சர்வாஷ்டவர்க்கமும் பன்னிரண்டு ராசிகளுக்கு அளிக்கும் பரல்கள்</translation>
    </message>
    <message>
        <source>&amp;Ashtakavarga bindus by sign</source>
        <translation>ராசிவாரியான அஷ்டவர்க்கப் பரல்கள்</translation>
    </message>
    <message>
        <source>Ashtakavarga drawings</source>
        <translation>அஷ்டவர்க்க வரைபடங்கள்</translation>
    </message>
    <message>
        <source>%1 bindus</source>
        <translation>%1 பரல்கள்</translation>
    </message>
</context>
<context>
    <name>grahavani::AtlasZoneChoice</name>
    <message>
        <source>Time zone found</source>
        <translation>நேர மண்டலம் கண்டறியப்பட்டது</translation>
    </message>
    <message>
        <source>Repeated hour</source>
        <extracomment>The hour a clock shows twice when daylight saving time ends.</extracomment>
        <translation>மீண்டும் வரும் மணிநேரம்</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>The first of the repeated hour&apos;s two passes.</extracomment>
        <translation>முந்தையது</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>The second of the repeated hour&apos;s two passes.</extracomment>
        <translation>பிந்தையது</translation>
    </message>
    <message>
        <source>Suggest zone</source>
        <translation>மண்டலத்தைப் பரிந்துரை</translation>
    </message>
    <message>
        <source>Nearest atlas place %1: %2</source>
        <translation>மிக அருகிலுள்ள அட்லஸ் இடம் %1: %2</translation>
    </message>
    <message>
        <source>Coordinates are those of %1: choose a place from the list or type the coordinates</source>
        <translation>ஆயத்தொலைவுகள் %1 இடத்தினுடையவை: பட்டியலிலிருந்து ஓர் இடத்தைத் தேர்ந்தெடுக்கவும் அல்லது ஆயத்தொலைவுகளைத் தட்டச்சு செய்யவும்</translation>
    </message>
    <message>
        <source>The City box says &quot;%1&quot;, but the latitude and longitude are those of %2, chosen from the atlas.

Calculate the chart with them?</source>
        <translation>நகரம் பெட்டியில் &quot;%1&quot; என உள்ளது, ஆனால் அட்சரேகையும் தீர்க்கரேகையும் அட்லஸிலிருந்து தேர்ந்தெடுக்கப்பட்ட %2 இடத்தினுடையவை.

அவற்றைக் கொண்டு ஜாதகத்தைக் கணிக்கவா?</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude as whole numbers to suggest a zone.</source>
        <translation>மண்டலத்தைப் பரிந்துரைக்க, அட்சரேகையையும் தீர்க்கரேகையையும் முழு எண்களாக உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>The atlas has no place in &quot;%1&quot; to suggest a zone from.</source>
        <translation>மண்டலத்தைப் பரிந்துரைக்க &quot;%1&quot; இல் அட்லஸில் எந்த இடமும் இல்லை.</translation>
    </message>
    <message>
        <source>The chart file&apos;s zone: %1</source>
        <translation>ஜாதகக் கோப்பின் மண்டலம்: %1</translation>
    </message>
    <message>
        <source>The chart file does not say its time zone: the form&apos;s zone is used.</source>
        <translation>ஜாதகக் கோப்பில் நேர மண்டலம் குறிப்பிடப்படவில்லை: படிவத்தில் உள்ள மண்டலம் பயன்படுத்தப்படுகிறது.</translation>
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
        <translation>துல்லிய கணிப்பானைப் பயன்படுத்து</translation>
    </message>
    <message>
        <source>Keep &amp;Classic Engine</source>
        <translation>பாரம்பரிய கணிப்பானையே தொடர்</translation>
    </message>
</context>
<context>
    <name>grahavani::DashaPanchangTab</name>
    <message>
        <source>Panchang</source>
        <translation>பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Limb</source>
        <extracomment>One of the panchang&apos;s five limbs (tithi, vara, nakshatra, yoga, karana): a column heading.</extracomment>
        <translation>அங்கம்</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>மதிப்பு</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Paksha</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>வாரம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>&amp;Panchang</source>
        <translation>பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>%1 &amp;dasha</source>
        <extracomment>The dasha system&apos;s name: &quot;Vimshottari &amp;dasha&quot;.</extracomment>
        <translation>%1 தசை</translation>
    </message>
    <message>
        <source>%1 dasha</source>
        <translation>%1 தசை</translation>
    </message>
    <message>
        <source>Dasha years of %1. Times on the birth place&apos;s clock, UTC%2.</source>
        <translation>தசை வருடம்: %1. நேரங்கள் பிறந்த இடத்தின் கடிகாரப்படி, UTC%2.</translation>
    </message>
</context>
<context>
    <name>grahavani::DashaTreeModel</name>
    <message>
        <source>▶ now</source>
        <extracomment>Marks the period running now; a screen reader says &quot;running&quot; instead.</extracomment>
        <translation>▶ இப்போது</translation>
    </message>
    <message>
        <source>running</source>
        <translation>நடப்பில்</translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>The planet ruling the dasha period.</extracomment>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The date and time the period starts, and ends.</extracomment>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Running</source>
        <extracomment>Whether the period is running now.</extracomment>
        <translation>நடப்பு</translation>
    </message>
</context>
<context>
    <name>grahavani::InterpretationView</name>
    <message>
        <source>Nakshatra picture</source>
        <translation>நட்சத்திரப் படம்</translation>
    </message>
    <message>
        <source>Lagna picture</source>
        <translation>லக்னப் படம்</translation>
    </message>
    <message>
        <source>Rashi picture</source>
        <translation>ராசிப் படம்</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>கிரகங்கள்</translation>
    </message>
    <message>
        <source>Dasha and Panchang</source>
        <translation>தசை மற்றும் பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Ashtakavarga</source>
        <translation>அஷ்டவர்க்கம்</translation>
    </message>
    <message>
        <source>Shadbala</source>
        <translation>ஷட்பலம்</translation>
    </message>
</context>
<context>
    <name>grahavani::LanguageMenu</name>
    <message>
        <source>Lan&amp;guage</source>
        <extracomment>The View menu&apos;s choice of the language every window is shown in.</extracomment>
        <translation>மொழி</translation>
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
        <translation>இந்திய முறை</translation>
    </message>
    <message>
        <source>North Indian Style</source>
        <translation>வட இந்திய முறை</translation>
    </message>
    <message>
        <source>South Indian Style</source>
        <translation>தென் இந்திய முறை</translation>
    </message>
    <message>
        <source>East Indian Style</source>
        <translation>கிழக்கு இந்திய முறை</translation>
    </message>
    <message>
        <source>Divisional chart</source>
        <translation>வர்க்க ஜாதகம்</translation>
    </message>
    <message>
        <source>Show Interpretation</source>
        <translation>பலன்களைக் காட்டு</translation>
    </message>
    <message>
        <source>Save As &amp;JPG</source>
        <translation>JPG ஆகச் சேமி</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>புதியது</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Save As &amp;Text File</source>
        <translation>உரைக் கோப்பாகச் சேமி</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>வேறு பெயரில் சேமி</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>ஜாதகத்தை உரையாக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF ஆக ஏற்றுமதி செய்...</translation>
    </message>
    <message>
        <source>Kundali &amp;Matching...</source>
        <translation>ஜாதகப் பொருத்தம்...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>கருவிப்பட்டி</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>ஜாதக முறை</translation>
    </message>
    <message>
        <source>&amp;North Indian Style</source>
        <translation>வட இந்திய முறை</translation>
    </message>
    <message>
        <source>&amp;South Indian Style</source>
        <translation>தென் இந்திய முறை</translation>
    </message>
    <message>
        <source>&amp;East Indian Style</source>
        <translation>கிழக்கு இந்திய முறை</translation>
    </message>
    <message>
        <source>E&amp;phemeris</source>
        <translation>எஃபிமெரிஸ்</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>பாரம்பரிய</translation>
    </message>
    <message>
        <source>&amp;Precise</source>
        <translation>துல்லிய</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>ஸ்புட ராகு</translation>
    </message>
    <message>
        <source>&amp;Navamsa (D9)</source>
        <translation>நவாம்சம் (டி-9)</translation>
    </message>
    <message>
        <source>&amp;Lagna at Top (North Indian)</source>
        <translation>லக்னம் மேலே (வட இந்திய முறை)</translation>
    </message>
    <message>
        <source>&amp;Dasha Year</source>
        <translation>தசை வருடம்</translation>
    </message>
    <message>
        <source>365.2&amp;5 days</source>
        <translation>365.25 நாட்கள்</translation>
    </message>
    <message>
        <source>365.2&amp;425 days</source>
        <translation>365.2425 நாட்கள்</translation>
    </message>
    <message>
        <source>36&amp;0 days</source>
        <translation>360 நாட்கள்</translation>
    </message>
    <message>
        <source>&amp;Settings…</source>
        <translation>அமைப்புகள்…</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>கருவிப்பட்டி</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Toolbar buttons&apos; texts and tips: commands, as short as they can be.</extracomment>
        <translation>புதியது</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>உதவி</translation>
    </message>
</context>
<context>
    <name>grahavani::MatchPartner</name>
    <message>
        <source>&amp;Boy</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>Boy&apos;s chart: the current chart</source>
        <translation>மணமகனின் ஜாதகம்: தற்போதைய ஜாதகம்</translation>
    </message>
    <message>
        <source>Boy&apos;s chart: a chart file</source>
        <translation>மணமகனின் ஜாதகம்: ஒரு ஜாதகக் கோப்பு</translation>
    </message>
    <message>
        <source>Choose Boy&apos;s File...</source>
        <translation>மணமகனின் கோப்பைத் தேர்ந்தெடு...</translation>
    </message>
    <message>
        <source>Choose the boy&apos;s chart file</source>
        <translation>மணமகனின் ஜாதகக் கோப்பைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <source>Boy&apos;s chart file</source>
        <translation>மணமகனின் ஜாதகக் கோப்பு</translation>
    </message>
    <message>
        <source>Boy&apos;s time zone</source>
        <translation>மணமகனின் நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Boy&apos;s daylight saving time</source>
        <translation>மணமகனின் பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Select the boy&apos;s chart file</source>
        <translation>மணமகனின் ஜாதகக் கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Choose the boy&apos;s chart file, or the current chart.</source>
        <translation>மணமகனின் ஜாதகக் கோப்பையோ தற்போதைய ஜாதகத்தையோ தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>&amp;Girl</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>Girl&apos;s chart: the current chart</source>
        <translation>மணமகளின் ஜாதகம்: தற்போதைய ஜாதகம்</translation>
    </message>
    <message>
        <source>Girl&apos;s chart: a chart file</source>
        <translation>மணமகளின் ஜாதகம்: ஒரு ஜாதகக் கோப்பு</translation>
    </message>
    <message>
        <source>Choose Girl&apos;s File...</source>
        <translation>மணமகளின் கோப்பைத் தேர்ந்தெடு...</translation>
    </message>
    <message>
        <source>Choose the girl&apos;s chart file</source>
        <translation>மணமகளின் ஜாதகக் கோப்பைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <source>Girl&apos;s chart file</source>
        <translation>மணமகளின் ஜாதகக் கோப்பு</translation>
    </message>
    <message>
        <source>Girl&apos;s time zone</source>
        <translation>மணமகளின் நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Girl&apos;s daylight saving time</source>
        <translation>மணமகளின் பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Select the girl&apos;s chart file</source>
        <translation>மணமகளின் ஜாதகக் கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Choose the girl&apos;s chart file, or the current chart.</source>
        <translation>மணமகளின் ஜாதகக் கோப்பையோ தற்போதைய ஜாதகத்தையோ தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Current chart</source>
        <translation>தற்போதைய ஜாதகம்</translation>
    </message>
    <message>
        <source>Chart file</source>
        <translation>ஜாதகக் கோப்பு</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>கோப்பு எதுவும் தேர்ந்தெடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>The chart of %1</source>
        <translation>%1 அவர்களின் ஜாதகம்</translation>
    </message>
    <message>
        <source>No chart is calculated: calculate one to match it.</source>
        <translation>எந்த ஜாதகமும் கணிக்கப்படவில்லை: பொருத்தம் பார்க்க ஒன்றைக் கணிக்கவும்.</translation>
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
        <translation>%1, பிறப்பு %2</translation>
    </message>
    <message>
        <source>The file does not say its time zone: choose it.</source>
        <translation>கோப்பில் நேர மண்டலம் குறிப்பிடப்படவில்லை: அதைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
</context>
<context>
    <name>grahavani::PlaceCompleter</name>
    <message>
        <source>Matching places</source>
        <translation>பொருந்தும் இடங்கள்</translation>
    </message>
</context>
<context>
    <name>grahavani::PlanetsTab</name>
    <message>
        <source>yes</source>
        <translation>ஆம்</translation>
    </message>
    <message>
        <source>no</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>கிரகங்கள்</translation>
    </message>
    <message>
        <source>The ascendant and the nine bodies; choose a column heading to sort by it</source>
        <translation>லக்னமும் நவகிரகங்களும்; ஒரு நெடுவரிசையின்படி வரிசைப்படுத்த அதன் தலைப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ஸ்புடம்</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The position as the chart window writes it.</extracomment>
        <translation>உரை வடிவம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>NakshatraLord</source>
        <translation>நட்சத்திர அதிபதி</translation>
    </message>
    <message>
        <source>House</source>
        <translation>பாவம்</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Retrograde</source>
        <translation>வக்கிரம்</translation>
    </message>
    <message>
        <source>Combust</source>
        <translation>அஸ்தங்கம்</translation>
    </message>
</context>
<context>
    <name>grahavani::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>அமைப்புகள்</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Own ayanamsa in decimal degrees</source>
        <translation>சொந்த அயனாம்சம், தசம பாகைகளில்</translation>
    </message>
    <message>
        <source>The classic engine has its own ayanamsa; choose the precise engine under View → Ephemeris to choose another.</source>
        <translation>பாரம்பரிய கணிப்பானுக்குத் தனக்கென ஓர் அயனாம்சம் உண்டு; வேறொன்றைத் தேர்ந்தெடுக்க, காட்சி → எஃபிமெரிஸ் என்பதில் துல்லிய கணிப்பானைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Lunar node</source>
        <translation>ராகு கணிப்பு</translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation>மத்திம ராகு</translation>
    </message>
    <message>
        <source>True node</source>
        <translation>ஸ்புட ராகு</translation>
    </message>
    <message>
        <source>Dasha system</source>
        <translation>தசை முறை</translation>
    </message>
    <message>
        <source>Dasha depth</source>
        <translation>தசை அடுக்குகள்</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>தசை வருடம்</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>தாள்</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>ஏ4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>லெட்டர்</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>அயனாம்சம்:</translation>
    </message>
    <message>
        <source>&amp;Own value (degrees):</source>
        <translation>சொந்த மதிப்பு (பாகைகள்):</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>சூரிய உதயம்:</translation>
    </message>
    <message>
        <source>Lunar &amp;node:</source>
        <translation>ராகு கணிப்பு:</translation>
    </message>
    <message>
        <source>Dasha s&amp;ystem:</source>
        <translation>தசை முறை:</translation>
    </message>
    <message>
        <source>Dasha &amp;depth:</source>
        <translation>தசை அடுக்குகள்:</translation>
    </message>
    <message>
        <source>Dasha &amp;year:</source>
        <translation>தசை வருடம்:</translation>
    </message>
    <message>
        <source>PDF pape&amp;r:</source>
        <translation>PDF தாள்:</translation>
    </message>
    <message>
        <source>Enter decimal degrees from 0 to 60, such as 23.5</source>
        <translation>0 முதல் 60 வரையிலான தசம பாகைகளை உள்ளிடவும், எ.கா. 23.5</translation>
    </message>
</context>
<context>
    <name>grahavani::ShadbalaTab</name>
    <message>
        <source>absent</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Shadbala</source>
        <translation>ஷட்பலம்</translation>
    </message>
    <message>
        <source>Bala</source>
        <translation>பலம்</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>பலம்</translation>
    </message>
    <message>
        <source>The six strengths of each planet in virupas and their total; Rupas and Required in rupas</source>
        <translation>ஒவ்வொரு கிரகத்தின் ஆறு பலங்களும் அவற்றின் மொத்தமும் விரூபங்களில்; ரூபமும் தேவையும் ரூபங்களில்</translation>
    </message>
    <message>
        <source>Shadbala components</source>
        <translation>ஷட்பலக் கூறுகள்</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>கூறு</translation>
    </message>
    <message>
        <source>The parts of sthana and kala bala of each planet in virupas</source>
        <translation>ஒவ்வொரு கிரகத்தின் ஸ்தான பலம், கால பலம் ஆகியவற்றின் கூறுகள் விரூபங்களில்</translation>
    </message>
    <message>
        <source>Strengths in virupas, 60 to a rupa; Rupas and Required in rupas; Ratio is Rupas over Required. A planet with a ratio below 1 is below its minimum.</source>
        <translation>பலங்கள் விரூபங்களில், 60 விரூபம் ஒரு ரூபம்; ரூபமும் தேவையும் ரூபங்களில்; விகிதம் என்பது ரூபத்தைத் தேவையால் வகுத்த மதிப்பு. விகிதம் 1-க்குக் குறைவாக உள்ள கிரகம் குறைந்தபட்சத்திற்குக் கீழ் உள்ளது.</translation>
    </message>
    <message>
        <source>&amp;Shadbala</source>
        <translation>ஷட்பலம்</translation>
    </message>
    <message>
        <source>Co&amp;mponents</source>
        <translation>கூறுகள்</translation>
    </message>
    <message>
        <source>Shadbala tables</source>
        <translation>ஷட்பல அட்டவணைகள்</translation>
    </message>
    <message>
        <source>below minimum</source>
        <translation>குறைந்தபட்சத்திற்குக் கீழ்</translation>
    </message>
    <message>
        <source>meets minimum</source>
        <translation>குறைந்தபட்சம் நிறைவு</translation>
    </message>
    <message>
        <source>Sthana</source>
        <translation>ஸ்தான பலம்</translation>
    </message>
    <message>
        <source>Dig</source>
        <translation>திக் பலம்</translation>
    </message>
    <message>
        <source>Kala</source>
        <translation>கால பலம்</translation>
    </message>
    <message>
        <source>Cheshta</source>
        <translation>சேஷ்டா பலம்</translation>
    </message>
    <message>
        <source>Naisargika</source>
        <translation>நைசர்கிக பலம்</translation>
    </message>
    <message>
        <source>Drik</source>
        <translation>திருக் பலம்</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>Rupas</source>
        <translation>ரூபம்</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>தேவை</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>விகிதம்</translation>
    </message>
    <message>
        <source>Uchcha</source>
        <translation>உச்சம்</translation>
    </message>
    <message>
        <source>Saptavargaja</source>
        <translation>சப்தவர்க்கஜம்</translation>
    </message>
    <message>
        <source>Ojayugma</source>
        <translation>ஓஜயுக்மம்</translation>
    </message>
    <message>
        <source>Kendra</source>
        <translation>கேந்திரம்</translation>
    </message>
    <message>
        <source>Drekkana</source>
        <translation>திரேக்காணம்</translation>
    </message>
    <message>
        <source>Nathonnatha</source>
        <translation>நதோன்னதம்</translation>
    </message>
    <message>
        <source>Paksha</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Tribhaga</source>
        <translation>திரிபாகம்</translation>
    </message>
    <message>
        <source>Abda</source>
        <translation>அப்தம்</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>மாசம்</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>வாரம்</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ஹோரை</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>அயனம்</translation>
    </message>
    <message>
        <source>Yuddha</source>
        <translation>யுத்தம்</translation>
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
        <translation>Grahavani சின்னம்</translation>
    </message>
    <message>
        <source>Grahavani Software shows your Rashi Chart in both the North Indian and South Indian versions. This software gives the precise astronomical positions of stars and planets during the time your birth. Vedic Astrology uses this information to forecast important incidents and probable opportunities that might arise in your life.

Thus, Grahavani Software creates ready made birth charts which can be used for further analysis.</source>
        <translation>Grahavani மென்பொருள் உங்கள் ராசி ஜாதகத்தை வட இந்திய, தென் இந்திய ஆகிய இரு முறைகளிலும் காட்டுகிறது. நீங்கள் பிறந்த நேரத்தில் நட்சத்திரங்கள், கிரகங்கள் ஆகியவற்றின் துல்லியமான வானியல் நிலைகளை இந்த மென்பொருள் தருகிறது. உங்கள் வாழ்க்கையில் நிகழக்கூடிய முக்கிய நிகழ்வுகளையும் வரக்கூடிய வாய்ப்புகளையும் முன்கூட்டியே கணிக்க வேத ஜோதிடம் இந்தத் தகவலைப் பயன்படுத்துகிறது.

இவ்வாறு, மேலும் ஆய்வு செய்யப் பயன்படுத்தக்கூடிய ஆயத்த ஜாதகங்களை Grahavani மென்பொருள் உருவாக்குகிறது.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையத்தில் பணம் ஈட்டுங்கள். உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை முழுமையாக உங்கள் பெயரில் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 தளத்தைப் பார்வையிட இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), licensed under CC BY 4.0.</source>
        <translation>இடங்கள் GeoNames (geonames.org) தளத்திலிருந்து, CC BY 4.0 உரிமத்தின் கீழ்.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
</context>
<context>
    <name>grahavani::frmDisplay</name>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Lagna / Asc</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Rashi/Moon Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>The lord of the Moon&apos;s nakshatra.</extracomment>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Other Vedic Details</source>
        <translation>பிற வேத விவரங்கள்</translation>
    </message>
    <message>
        <source>Surya / Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Chandra / Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Budha / Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Shukra / Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mangala / Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Guru / Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Shani / Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Vedic Planetary Position</source>
        <translation>வேத கிரக நிலை</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Follows the position of a retrograde body, in a narrow cell.</extracomment>
        <translation>(வ)</translation>
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
        <translation>கோப்பு</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Get My Janam &amp;Kundali</source>
        <translation>என் ஜனன ஜாதகத்தைப் பெறு</translation>
    </message>
    <message>
        <source>Kundali &amp;Matching...</source>
        <translation>ஜாதகப் பொருத்தம்...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of Birth: Day</source>
        <translation>பிறந்த தேதி: நாள்</translation>
    </message>
    <message>
        <source>Date of Birth: Month</source>
        <translation>பிறந்த தேதி: மாதம்</translation>
    </message>
    <message>
        <source>Date of Birth: Year</source>
        <translation>பிறந்த தேதி: வருடம்</translation>
    </message>
    <message>
        <source>Time of Birth: Hour</source>
        <translation>பிறந்த நேரம்: மணி</translation>
    </message>
    <message>
        <source>Time of Birth: Minute</source>
        <translation>பிறந்த நேரம்: நிமிடம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>The state or province of the birth place.</extracomment>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை &amp;&amp; தீர்க்கரேகையைக் கண்டறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Latitude: Degrees</source>
        <translation>அட்சரேகை: பாகை</translation>
    </message>
    <message>
        <source>Latitude: Minutes</source>
        <translation>அட்சரேகை: கலை</translation>
    </message>
    <message>
        <source>North</source>
        <extracomment>North and South of the equator: the latitude&apos;s direction, in a narrow box.</extracomment>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Longitude: Degrees</source>
        <translation>தீர்க்கரேகை: பாகை</translation>
    </message>
    <message>
        <source>Longitude: Minutes</source>
        <translation>தீர்க்கரேகை: கலை</translation>
    </message>
    <message>
        <source>East</source>
        <extracomment>East and West of Greenwich: the longitude&apos;s direction, in a narrow box.</extracomment>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;East Indian Style)</source>
        <translation>என் ஜனன ஜாதகத்தைப் பெறு (கிழக்கு இந்திய முறை)</translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;North Indian Style)</source>
        <translation>என் ஜனன ஜாதகத்தைப் பெறு (வட இந்திய முறை)</translation>
    </message>
    <message>
        <source>Get My Janam Kundali (&amp;South Indian Style)</source>
        <translation>என் ஜனன ஜாதகத்தைப் பெறு (தென் இந்திய முறை)</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>அட்சரேகைத் திசை</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>தீர்க்கரேகைத் திசை</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <extracomment>Hours and minutes of the lists before it, in a narrow column.</extracomment>
        <translation>மணி/நிமி</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <extracomment>Degrees and minutes of the boxes before it, in a narrow column.</extracomment>
        <translation>பாகை/கலை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Get this software branded for your own website. Click here for more details.</source>
        <translation>இந்த மென்பொருளை உங்கள் சொந்த இணையதளத்திற்காக உங்கள் பெயரில் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையத்தில் பணம் ஈட்டுங்கள். உங்கள் இணையதளத்திற்காக இந்த மென்பொருளை முழுமையாக உங்கள் பெயரில் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Visit the Grahavani web site</source>
        <translation>Grahavani இணையதளத்தைப் பார்வையிடு</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி</translation>
    </message>
</context>
<context>
    <name>grahavani::frmMatching</name>
    <message>
        <source>Kundali Matching</source>
        <translation>ஜாதகப் பொருத்தம்</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>பொருத்தம் பார்</translation>
    </message>
    <message>
        <source>Save As &amp;Text...</source>
        <translation>உரையாகச் சேமி...</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>PDF ஆக ஏற்றுமதி செய்...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Ashtakoota</source>
        <translation>அஷ்டகூடம்</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>கூடம்</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>மதிப்பெண்</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>அதிகபட்சம்</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>குறிப்புகள்</translation>
    </message>
    <message>
        <source>Boy&apos;s Manglik</source>
        <translation>மணமகனின் செவ்வாய் தோஷம்</translation>
    </message>
    <message>
        <source>Girl&apos;s Manglik</source>
        <translation>மணமகளின் செவ்வாய் தோஷம்</translation>
    </message>
    <message>
        <source>Poruthams</source>
        <translation>பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>பொருத்தம்</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>இசைவு</translation>
    </message>
    <message>
        <source>Poruthams agreeing</source>
        <translation>பொருந்தும் பொருத்தங்கள்</translation>
    </message>
    <message>
        <source>Choose the two charts and press Match.</source>
        <translation>இரண்டு ஜாதகங்களையும் தேர்ந்தெடுத்து, பொருத்தம் பார் என்பதை அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Grahavani</source>
        <translation>Grahavani</translation>
    </message>
    <message>
        <source>Total %1 of %2</source>
        <translation>மொத்தம் %2 இல் %1</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>முடிவு: %1</translation>
    </message>
    <message>
        <source>Notes: none</source>
        <translation>குறிப்புகள்: எதுவுமில்லை</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>குறிப்புகள்:</translation>
    </message>
    <message>
        <source>Boy: %1</source>
        <translation>மணமகன்: %1</translation>
    </message>
    <message>
        <source>Girl: %1</source>
        <translation>மணமகள்: %1</translation>
    </message>
    <message>
        <source>agrees</source>
        <translation>பொருத்தம் உண்டு</translation>
    </message>
    <message>
        <source>does not agree</source>
        <translation>பொருத்தம் இல்லை</translation>
    </message>
    <message>
        <source>%1 of %2 agree</source>
        <translation>%2 இல் %1 பொருந்துகின்றன</translation>
    </message>
    <message>
        <source>Save the matching as text</source>
        <translation>பொருத்தத்தை உரையாகச் சேமி</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>உரை (*.txt)</translation>
    </message>
    <message>
        <source>Export the matching as PDF</source>
        <translation>பொருத்தத்தை PDF ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The matching could not be saved to</source>
        <translation>பொருத்தத்தைப் பின்வரும் இடத்தில் சேமிக்க முடியவில்லை</translation>
    </message>
</context>
</TS>
