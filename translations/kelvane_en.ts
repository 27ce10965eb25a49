<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sr">
<context>
    <name>CrtezAnvelopa</name>
    <message>
        <source>klasicna</source>
        <translation>classical</translation>
    </message>
    <message>
        <source>tacna (svi polozaji sila)</source>
        <translation>exact (all load positions)</translation>
    </message>
</context>
<context>
    <name>DatotekaMenu</name>
    <message>
        <source>Datoteka</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Proracun</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Snimi</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Izlaz</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>KontroleUnosa</name>
    <message>
        <source>U polje za unos vrednosti sile P1 mora biti unet decimalan broj!</source>
        <translation>The field for force P1 must hold a decimal number!</translation>
    </message>
    <message>
        <source>U polje za unos vrednosti sile P2 mora biti unet decimalan broj!</source>
        <translation>The field for force P2 must hold a decimal number!</translation>
    </message>
    <message>
        <source>Ako se na gredi nalazi samo jedna sila nesme se usvojiti da je vrednost sile P2 nula!</source>
        <translation>With a single force on the beam, force P2 must not be zero!</translation>
    </message>
    <message>
        <source>U polje za unos vrednosti razmaka izmedu sila mora biti unet decimalan broj cija je vrednost jednaka ili manja  od vrednosti raspona grede!</source>
        <translation>The field for the distance between the forces must hold a decimal number no larger than the span of the beam!</translation>
    </message>
    <message>
        <source>U polje za unos vrednosti raspona grede mora biti unet decimalan broj!</source>
        <translation>The field for the span of the beam must hold a decimal number!</translation>
    </message>
    <message>
        <source>Rastojanje izmedu sila nesme imati jednaku ili vecu vrednost od raspona grede!</source>
        <translation>The distance between the forces must be smaller than the span of the beam!</translation>
    </message>
    <message>
        <source>U polje za unos vrednosti promenljive X mora biti unesen decimalan broj cija se vrednost krece izmedu nule i velicine raspona grede!</source>
        <translation>The field for the section X must hold a decimal number between zero and the span of the beam!</translation>
    </message>
    <message>
        <source>Greska pri unosu parametara proracuna!</source>
        <translation>Error in the calculation inputs!</translation>
    </message>
</context>
<context>
    <name>ListingWindow</name>
    <message>
        <source>Broj polja =</source>
        <translation>Fields n =</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>%1 nije snimljen u datoteku %2.
</source>
        <translation>%1 was not saved to the file %2.
</translation>
    </message>
    <message>
        <source>Greska pri snimanju listinga!</source>
        <translation>Error saving the listing!</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>The listing</translation>
    </message>
</context>
<context>
    <name>TacneAnvelope</name>
    <message>
        <source> u preseku</source>
        <translation> at the section</translation>
    </message>
    <message>
        <source> neposredno desno od preseka</source>
        <translation> just right of the section</translation>
    </message>
    <message>
        <source> neposredno levo od preseka</source>
        <translation> just left of the section</translation>
    </message>
    <message>
        <source> na gredi</source>
        <translation> on the beam</translation>
    </message>
    <message>
        <source> van grede</source>
        <translation> off the beam</translation>
    </message>
    <message>
        <source>klasicna i tacna anvelopa se slazu na celom rasponu</source>
        <translation>the classical and exact envelopes agree over the whole span</translation>
    </message>
    <message>
        <source>klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za </source>
        <translation>the classical envelope is smaller in absolute value than the exact one for </translation>
    </message>
    <message>
        <source> i </source>
        <translation> and </translation>
    </message>
    <message>
        <source>x = %1 do %2</source>
        <translation>x = %1 to %2</translation>
    </message>
    <message>
        <source>; najveca razlika %1 %2 (%3 % tacne vrednosti) u x = %4</source>
        <translation>; largest difference %1 %2 (%3 % of the exact value) at x = %4</translation>
    </message>
    <message>
        <source>, ostale van grede</source>
        <translation>, the others off the beam</translation>
    </message>
    <message>
        <source>; na gredi i </source>
        <translation>; on the beam also </translation>
    </message>
    <message>
        <source>Tacna vrednost (svi polozaji sila): </source>
        <translation>Exact value (all load positions): </translation>
    </message>
    <message>
        <source>; niz u suprotnom smeru</source>
        <translation>; train reversed</translation>
    </message>
</context>
<context>
    <name>Tekst</name>
    <message>
        <source>Extremne vrednosti u presecima grede (n = %1; x u m, extM u kNm, maxT i minT u kN)</source>
        <translation>Extreme values at the sections of the beam (n = %1; x in m, extM in kNm, maxT and minT in kN)</translation>
    </message>
    <message>
        <source>Presek</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>extM klas.</source>
        <translation>extM class.</translation>
    </message>
    <message>
        <source>extM tacna</source>
        <translation>extM exact</translation>
    </message>
    <message>
        <source>maxT klas.</source>
        <translation>maxT class.</translation>
    </message>
    <message>
        <source>maxT tacna</source>
        <translation>maxT exact</translation>
    </message>
    <message>
        <source>minT klas.</source>
        <translation>minT class.</translation>
    </message>
    <message>
        <source>minT tacna</source>
        <translation>minT exact</translation>
    </message>
    <message>
        <source>* klasicna vrednost je po apsolutnoj vrednosti manja od tacne (nesigurna strana); klas. = klasicna anvelopa, tacna = svi polozaji sila</source>
        <translation>* the classical value is smaller in absolute value than the exact one (unsafe side); class. = classical envelope, exact = all load positions</translation>
    </message>
    <message>
        <source>tacna anvelopa, svi polozaji sila (puna linija: extM crveno, maxT i minT plavo)</source>
        <translation>exact envelope, all load positions (solid line: extM red, maxT and minT blue)</translation>
    </message>
    <message>
        <source>klasicna anvelopa: parabole I i II, prave maxT i minT (isprekidana siva)</source>
        <translation>classical envelope: parabolas I and II, lines maxT and minT (dashed grey)</translation>
    </message>
    <message>
        <source>osenceno: zona u kojoj je klasicna anvelopa po apsolutnoj vrednosti manja od tacne (nesigurna strana)</source>
        <translation>shaded: zone where the classical envelope is smaller in absolute value than the exact one (unsafe side)</translation>
    </message>
    <message>
        <source>tacka: apsolutni maksimum momenta, vrednost i presek</source>
        <translation>dot: absolute maximum moment, its value and section</translation>
    </message>
    <message>
        <source>Pozitivan moment (zateze donju ivicu) crta se nadole od ose grede; maxT iznad, minT ispod svoje ose. x u m od oslonca A, M u kNm, T u kN.</source>
        <translation>A positive moment (tension at the bottom edge) is drawn below the beam axis; maxT above, minT below its axis. x in m from support A, M in kNm, T in kN.</translation>
    </message>
    <message>
        <source>Obrazac: R (L - d)² / 4L = %1 · (%2 - %3)² / (4 · %2) = %4 kNm, gde je d = %3 m rastojanje rezultante R od sile %5; sila %5 stoji d/2 od sredine raspona, rezultanta d/2 sa druge strane.</source>
        <translation>Formula: R (L - d)² / 4L = %1 · (%2 - %3)² / (4 · %2) = %4 kNm, where d = %3 m is the distance of the resultant R from force %5; force %5 stands d/2 from midspan, the resultant d/2 on the other side.</translation>
    </message>
    <message>
        <source>Obrazac: P L / 4 = %1 · %2 / 4 = %3 kNm: sama sila %4 u sredini raspona, druga sila je van grede.</source>
        <translation>Formula: P L / 4 = %1 · %2 / 4 = %3 kNm: force %4 alone at midspan, the other force is off the beam.</translation>
    </message>
    <message>
        <source>Mmax = zbir uticaja obe sile u preseku (%1 kNm); najveca vrednost je na kraju dela anvelope, gde nijedan obrazac temena ne vazi.</source>
        <translation>Mmax = sum of the effects of both forces at the section (%1 kNm); the largest value lies at the end of a part of the envelope, where no vertex formula holds.</translation>
    </message>
    <message>
        <source>%1 = %2 + %3 (L - e) / L</source>
        <translation>%1 = %2 + %3 (L - e) / L</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>; druga sila u x = %1 m</source>
        <translation>; the other force at x = %1 m</translation>
    </message>
    <message>
        <source>%1(x = %2 m) = %3 kN; %4%5. Obrazac: %6 = %7 kN, %1 = %8.</source>
        <translation>%1(x = %2 m) = %3 kN; %4%5. Formula: %6 = %7 kN, %1 = %8.</translation>
    </message>
    <message>
        <source>Projekat</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Revizija</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Izradio</source>
        <translation>Prepared by</translation>
    </message>
    <message>
        <source>Kontrolisao</source>
        <translation>Checked by</translation>
    </message>
    <message>
        <source>Apsolutni maksimum momenta</source>
        <translation>Absolute maximum moment</translation>
    </message>
    <message>
        <source>Mmax = %1 kNm u x = %2 m; %3. </source>
        <translation>Mmax = %1 kNm at x = %2 m; %3. </translation>
    </message>
    <message>
        <source>Oslonac A</source>
        <translation>Support A</translation>
    </message>
    <message>
        <source>Oslonac B</source>
        <translation>Support B</translation>
    </message>
    <message>
        <source>Klasicna %1</source>
        <translation>Classical %1</translation>
    </message>
    <message>
        <source>Merodavne vrednosti (tacne anvelope)</source>
        <translation>Governing values (exact envelopes)</translation>
    </message>
    <message>
        <source>Opterecenje</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>P1 stoji levo od P2 na stalnom rastojanju e. Sile su karakteristicne vrednosti, bez dinamickog koeficijenta i bez sopstvene tezine grede.</source>
        <translation>P1 stands left of P2 at the fixed distance e. The forces are characteristic values, without a dynamic factor and without the self-weight of the beam.</translation>
    </message>
    <message>
        <source>Znaci</source>
        <translation>Signs</translation>
    </message>
    <message>
        <source>Moment koji zateze donju ivicu je pozitivan i crta se ispod ose grede. Transverzalna sila V = R_A minus sile levo od preseka; oslonacke sile su uzete neposredno unutar oslonaca.</source>
        <translation>A moment with tension at the bottom edge is positive and drawn below the beam axis. Shear force V = R_A minus the forces left of the section; support reactions are taken just inside the supports.</translation>
    </message>
    <message>
        <source>Klasicna anvelopa</source>
        <translation>Classical envelope</translation>
    </message>
    <message>
        <source>Parabole I i II i prave maxT i minT: sila koja je presla oslonac i dalje se racuna, sa negativnim doprinosom.</source>
        <translation>Parabolas I and II and lines maxT and minT: a force past a support still counts, with a negative contribution.</translation>
    </message>
    <message>
        <source>Tacna anvelopa</source>
        <translation>Exact envelope</translation>
    </message>
    <message>
        <source>Svi polozaji para sa bar jednom silom na rasponu; sila van raspona ne doprinosi nista.</source>
        <translation>Every position of the pair with at least one force on the span; a force off the span contributes nothing.</translation>
    </message>
    <message>
        <source>Medjuvrednosti</source>
        <translation>Intermediate values</translation>
    </message>
    <message>
        <source>R = P1 + P2 = %1 kN; x_r = e P2 / R = %2 m (rastojanje rezultante od P1); a1 = x_r = %3 m; a2 = x_r - e = %4 m. µ je duzina zone vazenja: deo raspona na kome parabola ili prava daje anvelopu.</source>
        <translation>R = P1 + P2 = %1 kN; x_r = e P2 / R = %2 m (distance of the resultant from P1); a1 = x_r = %3 m; a2 = x_r - e = %4 m. µ is the length of a zone of validity: the part of the span where a parabola or line gives the envelope.</translation>
    </message>
    <message>
        <source>Metod i pretpostavke</source>
        <translation>Method and assumptions</translation>
    </message>
    <message>
        <source>Proracunski list</source>
        <translation>Calculation sheet</translation>
    </message>
    <message>
        <source>Tacne anvelope momenata savijanja i transverzalnih sila proste grede pod nizom pokretnih sila</source>
        <translation>Exact bending moment and shear force envelopes of a simple beam under a train of moving forces</translation>
    </message>
    <message>
        <source>Ulazni parametri</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>L = %1 m, g = %2 kN/m, φ = %3, %4</source>
        <translation>L = %1 m, g = %2 kN/m, φ = %3, %4</translation>
    </message>
    <message>
        <source>niz se krece u oba smera</source>
        <translation>the train travels both ways</translation>
    </message>
    <message>
        <source>niz se krece u jednom smeru</source>
        <translation>the train travels one way</translation>
    </message>
    <message>
        <source>Sila</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>od P1 [m]</source>
        <translation>from P1 [m]</translation>
    </message>
    <message>
        <source>Tacne anvelope</source>
        <translation>Exact envelopes</translation>
    </message>
    <message>
        <source>Tacne vrednosti u presecima grede (n = %1)</source>
        <translation>Exact values at the sections of the beam (n = %1)</translation>
    </message>
    <message>
        <source>Merodavne vrednosti</source>
        <translation>Governing values</translation>
    </message>
    <message>
        <source>Prosta greda raspona L pod nizom pokretnih sila stalnih medjusobnih rastojanja; pokretne sile su pomnozene dinamickim koeficijentom φ, sopstvena tezina g deluje ravnomerno po celom rasponu.</source>
        <translation>A simply supported beam of span L under a train of moving forces at fixed distances; the moving forces are multiplied by the dynamic factor φ, the self-weight g acts uniformly over the whole span.</translation>
    </message>
    <message>
        <source>Uticajne linije proste grede su prave, pa se ekstrem u svakom preseku javlja kada jedna sila stoji u preseku (za transverzalne sile neposredno desno ili levo od njega); sila van raspona ne deluje. Vrednosti su tacne, bez koraka pomeranja niza.</source>
        <translation>The influence lines of a simple beam are straight, so every extreme occurs with one force at the section (for shear just right or left of it); a force off the span does not act. The values are exact, without stepping the train.</translation>
    </message>
    <message>
        <source>Polozaj sila navodi silu u preseku i sile na gredi.</source>
        <translation>A load position names the force at the section and the forces on the beam.</translation>
    </message>
    <message>
        <source>Prosta greda pod pokretnim parom sila</source>
        <translation>Simple beam under a moving pair of forces</translation>
    </message>
    <message>
        <source>Datum i vreme</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>strana %1 od %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Extremne vrednosti momenata savijanja i transverzalnih sila proste grede pod pokretnim parom spregnutih sila</source>
        <translation>Extreme bending moments and shear forces of a simple beam under a moving pair of coupled forces</translation>
    </message>
    <message>
        <source>Oznaka</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Vrednost</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Jedinica</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>sila levo</source>
        <translation>left force</translation>
    </message>
    <message>
        <source>sila desno</source>
        <translation>right force</translation>
    </message>
    <message>
        <source>razmak sila</source>
        <translation>distance between the forces</translation>
    </message>
    <message>
        <source>raspon grede</source>
        <translation>span of the beam</translation>
    </message>
    <message>
        <source>Jednacine dijagrama extremnih vrednosti momenata savijanja</source>
        <translation>Equations of the bending moment envelope</translation>
    </message>
    <message>
        <source>Jednacina</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Zona vazenja</source>
        <translation>Zone of validity</translation>
    </message>
    <message>
        <source>Dijagram extremnih vrednosti</source>
        <translation>Diagram of the envelopes</translation>
    </message>
    <message>
        <source>Kelvane %1 - anvelope extM i extT proste grede</source>
        <translation>Kelvane %1 - extM and extT envelopes of a simple beam</translation>
    </message>
</context>
<context>
    <name>dlgPodaciDokumenta</name>
    <message>
        <source>Podaci o dokumentu</source>
        <translation>Document data</translation>
    </message>
    <message>
        <source>Projekat:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Element:</source>
        <translation>Element:</translation>
    </message>
    <message>
        <source>Izradio:</source>
        <translation>Prepared by:</translation>
    </message>
    <message>
        <source>Kontrolisao:</source>
        <translation>Checked by:</translation>
    </message>
    <message>
        <source>Revizija:</source>
        <translation>Revision:</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Proracun extremnih vrednosti momenata savijanja i transverzalnih sila proste grede opterecene sistemom od dve vezane koncentrisane sile.</source>
        <translation>Bending moment and shear force envelopes of a simply supported beam under a system of two linked concentrated loads.</translation>
    </message>
</context>
<context>
    <name>frmIzlazna</name>
    <message>
        <source>Rezultati proracuna - proracunski list</source>
        <translation>Results - calculation sheet</translation>
    </message>
    <message>
        <source>Izvestaj</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>dijagram</source>
        <translation>diagram</translation>
    </message>
    <message>
        <source>Proracun extremnih vrednosti momenata savijanja</source>
        <translation>Bending moment envelope</translation>
    </message>
    <message>
        <source>Jednacine dijagrama extremnih vednosti momenata savijanja</source>
        <translation>Equations of the bending moment envelope</translation>
    </message>
    <message>
        <source>Jednacina parabole I =</source>
        <translation>Parabola I equation =</translation>
    </message>
    <message>
        <source>Jednacina parabole II =</source>
        <translation>Parabola II equation =</translation>
    </message>
    <message>
        <source>Extremne vrednosti </source>
        <translation>Extreme values </translation>
    </message>
    <message>
        <source>Nulte tacke</source>
        <translation>Zero points</translation>
    </message>
    <message>
        <source>Presek parabola I i II</source>
        <translation>Intersection of I and II</translation>
    </message>
    <message>
        <source>X preseka [m]</source>
        <translation>X [m]</translation>
    </message>
    <message>
        <source>Mpreseka [kNm]</source>
        <translation>M [kNm]</translation>
    </message>
    <message>
        <source>Parabola I  =</source>
        <translation>Parabola I  =</translation>
    </message>
    <message>
        <source>Parabola II =</source>
        <translation>Parabola II =</translation>
    </message>
    <message>
        <source>Zone vazenja</source>
        <translation>Zones of validity</translation>
    </message>
    <message>
        <source>Extremne vrednosti momenta savijanja u zadatom preseku</source>
        <translation>Extreme bending moments at a given section</translation>
    </message>
    <message>
        <source>extM u preseku x</source>
        <translation>extM at section x</translation>
    </message>
    <message>
        <source>Parabola I</source>
        <translation>Parabola I</translation>
    </message>
    <message>
        <source>Parabola II</source>
        <translation>Parabola II</translation>
    </message>
    <message>
        <source>Proracun extremnih vrednosti transverzalnih sila</source>
        <translation>Shear force envelope</translation>
    </message>
    <message>
        <source>Jednacine dijagrama extremnih vrednosti transverzalnih sila</source>
        <translation>Equations of the shear force envelope</translation>
    </message>
    <message>
        <source>Extremne vrednosti transverzalnih sila u zadatom preseku</source>
        <translation>Extreme shear forces at a given section</translation>
    </message>
    <message>
        <source>extT u preseku x</source>
        <translation>extT at section x</translation>
    </message>
    <message>
        <source>Datoteka</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Izvestaj (PDF)...</source>
        <translation>Report (PDF)...</translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Izlaz</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Proracun</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Promena ulaznih parametara</source>
        <translation>Change the inputs</translation>
    </message>
    <message>
        <source>Proracun extM u proizvoljnim presecima</source>
        <translation>extM at chosen sections</translation>
    </message>
    <message>
        <source>Proracun extT u proizvoljnim presecima</source>
        <translation>extT at chosen sections</translation>
    </message>
    <message>
        <source>Tacne anvelope (svi polozaji sila)</source>
        <translation>Exact envelopes (all load positions)</translation>
    </message>
    <message>
        <source>Rezultati proracuna - Extremne vrednosti momenata savijanja</source>
        <translation>Results - Bending moment envelope</translation>
    </message>
    <message>
        <source>Rezultati proracuna - Extremne vrednosti transverzalnih sila</source>
        <translation>Results - Shear force envelope</translation>
    </message>
    <message>
        <source>Rezultati proracuna - Dijagram extremnih vrednosti</source>
        <translation>Results - Envelope diagram</translation>
    </message>
    <message>
        <source>Greska pri snimanju izvestaja!</source>
        <translation>Error saving the report!</translation>
    </message>
    <message>
        <source>Zona vazenja parabole I  µ[m]=</source>
        <translation>Zone of parabola I  µ[m]=</translation>
    </message>
    <message>
        <source>Zona vazenja parabole II µ[m]=</source>
        <translation>Zone of parabola II µ[m]=</translation>
    </message>
    <message>
        <source>Apsolutni maksimum (svi polozaji sila): %1 kNm u x = %2 m, %3</source>
        <translation>Absolute maximum (all load positions): %1 kNm at x = %2 m, %3</translation>
    </message>
</context>
<context>
    <name>frmListingExtM</name>
    <message>
        <source>extM u proizvoljnim presecima grede</source>
        <translation>extM at chosen sections of the beam</translation>
    </message>
    <message>
        <source>Rezultati proracuna - extM</source>
        <translation>Results - extM</translation>
    </message>
</context>
<context>
    <name>frmListingExtT</name>
    <message>
        <source>extT u proizvoljnim presecima grede</source>
        <translation>extT at chosen sections of the beam</translation>
    </message>
    <message>
        <source>Rezultati proracuna- extT</source>
        <translation>Results - extT</translation>
    </message>
</context>
<context>
    <name>frmNizSila</name>
    <message>
        <source>Niz pokretnih sila - preseci</source>
        <translation>Train of moving forces - sections</translation>
    </message>
    <message>
        <source>Niz pokretnih sila - proracunski list</source>
        <translation>Train of moving forces - calculation sheet</translation>
    </message>
    <message>
        <source>Niz pokretnih sila</source>
        <translation>Train of moving forces</translation>
    </message>
    <message>
        <source>Niz sila</source>
        <translation>Forces</translation>
    </message>
    <message>
        <source>Par sila iz ulaznog prozora</source>
        <translation>The pair from the input window</translation>
    </message>
    <message>
        <source>Dve dizalice sa po dva tocka (4 x 100 kN)</source>
        <translation>Two cranes of two wheels (4 x 100 kN)</translation>
    </message>
    <message>
        <source>Tandem osovina 2 x 300 kN</source>
        <translation>Tandem axle 2 x 300 kN</translation>
    </message>
    <message>
        <source>P [kN]</source>
        <translation>P [kN]</translation>
    </message>
    <message>
        <source>a [m]</source>
        <translation>a [m]</translation>
    </message>
    <message>
        <source>Dodaj silu</source>
        <translation>Add force</translation>
    </message>
    <message>
        <source>Ukloni silu</source>
        <translation>Remove force</translation>
    </message>
    <message>
        <source>L [m] =</source>
        <translation>L [m] =</translation>
    </message>
    <message>
        <source>g [kN/m] =</source>
        <translation>g [kN/m] =</translation>
    </message>
    <message>
        <source>φ =</source>
        <translation>φ =</translation>
    </message>
    <message>
        <source>U oba smera</source>
        <translation>Both ways</translation>
    </message>
    <message>
        <source>Proracunaj</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Rezultati</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Vrednosti u preseku</source>
        <translation>Values at a section</translation>
    </message>
    <message>
        <source>x [m] =</source>
        <translation>x [m] =</translation>
    </message>
    <message>
        <source>Vrednosti u preseku x</source>
        <translation>Values at section x</translation>
    </message>
    <message>
        <source>Preseci grede</source>
        <translation>Sections of the beam</translation>
    </message>
    <message>
        <source>Broj polja =</source>
        <translation>Fields n =</translation>
    </message>
    <message>
        <source>x [m]</source>
        <translation>x [m]</translation>
    </message>
    <message>
        <source>extM [kNm]</source>
        <translation>extM [kNm]</translation>
    </message>
    <message>
        <source>maxT [kN]</source>
        <translation>maxT [kN]</translation>
    </message>
    <message>
        <source>minT [kN]</source>
        <translation>minT [kN]</translation>
    </message>
    <message>
        <source>Datoteka</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Snimi</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Izvestaj (PDF)...</source>
        <translation>Report (PDF)...</translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Izlaz</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Apsolutni maksimum: %1</source>
        <translation>Absolute maximum: %1</translation>
    </message>
    <message>
        <source>Najvece reakcije: %1</source>
        <translation>Largest reactions: %1</translation>
    </message>
    <message>
        <source>Greska pri snimanju izvestaja!</source>
        <translation>Error saving the report!</translation>
    </message>
    <message>
        <source>Izvestaj</source>
        <translation>Report</translation>
    </message>
</context>
<context>
    <name>frmParametri</name>
    <message>
        <source>Ulazni parametri proracuna</source>
        <translation>Calculation inputs</translation>
    </message>
    <message>
        <source>Datoteka</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Izlaz</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Proracun</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>extM i extT</source>
        <translation>extM and extT</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Izlaz?</source>
        <translation>Exit?</translation>
    </message>
    <message>
        <source>Da li zelite da izadjete iz programa?</source>
        <translation>Do you want to exit the program?</translation>
    </message>
    <message>
        <source>Niz pokretnih sila...</source>
        <translation>Train of moving forces...</translation>
    </message>
</context>
<context>
    <name>frmPomoc</name>
    <message>
        <source>Program obezbedjuje proracun dijagrama extremnih vred-
nosti momenata savijanja i transverzalnih sila proste grede
opterecene sistemom od dve vezane koncentrisane sile.

Proracun se moze sprovesti posebno za:
          - proizvoljni presek grede,
          - vise preseka na jednakim rastojanjima.

Faze proracuna se sastoje iz sledecih koraka:
     1. Nakon startovanja programa unose se pocetni para-
         metri proracuna u odgovarajuca textualna polja.
     2. U padajucem meniju -Proracun- se startuje numericka
         analiza.
     3. Nakon startovanja numericke analize selektovanjem
         odgovarajuceg taba dobijaju se rezultati proracuna za
         extM, extT i dijagram ekxtremnih vrednosti momenata 
         savijanja i transverzalnih sila. Iz padajuceg menija
         -Proracun- moze se startovati analiza za vise proizvolj-
         nih preseka grede istovremeno.</source>
        <translation>The program calculates the envelopes of the extreme
bending moments and shear forces of a simply supported
beam under a system of two linked concentrated loads.

The calculation can be made separately for:
          - any one section of the beam,
          - several sections at equal distances.

The calculation goes in these steps:
     1. After the program starts, enter the inputs of
         the calculation in their text fields.
     2. Start the analysis from the -Calculation- menu.
     3. Once the analysis has run, select a tab to see
         the results for extM, extT and the diagram of
         the bending moment and shear force envelopes.
         From the -Calculation- menu the analysis can
         also be run for several chosen sections at once.</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>frmTacneAnvelope</name>
    <message>
        <source>Rezultati proracuna - tacne anvelope</source>
        <translation>Results - exact envelopes</translation>
    </message>
    <message>
        <source>Tacne anvelope</source>
        <translation>Exact envelopes</translation>
    </message>
    <message>
        <source>Klasicna i tacna anvelopa</source>
        <translation>Classical and exact envelope</translation>
    </message>
    <message>
        <source>Vrednosti u preseku</source>
        <translation>Values at a section</translation>
    </message>
    <message>
        <source>Vrednosti u preseku x</source>
        <translation>Values at section x</translation>
    </message>
    <message>
        <source>klasicna</source>
        <translation>classical</translation>
    </message>
    <message>
        <source>tacna</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>polozaj sila (tacna)</source>
        <translation>load position (exact)</translation>
    </message>
    <message>
        <source>Preseci grede</source>
        <translation>Sections of the beam</translation>
    </message>
    <message>
        <source>Broj polja =</source>
        <translation>Fields n =</translation>
    </message>
    <message>
        <source>extM
klasicna</source>
        <translation>extM
classical</translation>
    </message>
    <message>
        <source>extM
tacna</source>
        <translation>extM
exact</translation>
    </message>
    <message>
        <source>maxT
klasicna</source>
        <translation>maxT
classical</translation>
    </message>
    <message>
        <source>maxT
tacna</source>
        <translation>maxT
exact</translation>
    </message>
    <message>
        <source>minT
klasicna</source>
        <translation>minT
classical</translation>
    </message>
    <message>
        <source>minT
tacna</source>
        <translation>minT
exact</translation>
    </message>
</context>
<context>
    <name>kelvane-calc</name>
    <message>
        <source>Nijedan od parametara P1, P2, e, L ne sme biti prazan.</source>
        <translation>None of the inputs P1, P2, e, L may be empty.</translation>
    </message>
    <message>
        <source>Napomena: P1 = 0 znaci jednu silu (P2), pa se racuna sa e = 0.</source>
        <translation>Note: P1 = 0 means a single force (P2), so e = 0 is used.</translation>
    </message>
    <message>
        <source>Datoteke nisu snimljene: </source>
        <translation>The files were not saved: </translation>
    </message>
    <message>
        <source>Uputstvo: kelvane-calc --help</source>
        <translation>Usage: kelvane-calc --help</translation>
    </message>
    <message>
        <source>Nepoznata opcija: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Opcija %1 trazi vrednost.</source>
        <translation>Option %1 needs a value.</translation>
    </message>
    <message>
        <source>Opcija --listing prima m ili t.</source>
        <translation>Option --listing takes m or t.</translation>
    </message>
    <message>
        <source>Opcija --format prima text, csv ili json.</source>
        <translation>Option --format takes text, csv or json.</translation>
    </message>
    <message>
        <source>Opcija --lang prima sr ili en.</source>
        <translation>Option --lang takes sr or en.</translation>
    </message>
    <message>
        <source>Potrebna su tacno cetiri ulazna parametra: P1 P2 e L.</source>
        <translation>Exactly four inputs are needed: P1 P2 e L.</translation>
    </message>
    <message>
        <source>Tacne vrednosti u preseku (svi polozaji sila)</source>
        <translation>Exact values at the section (all load positions)</translation>
    </message>
    <message>
        <source>Preseci (n = %1)</source>
        <translation>Sections (n = %1)</translation>
    </message>
    <message>
        <source>tacno:</source>
        <translation>exact:</translation>
    </message>
    <message>
        <source>Ulazni parametri:</source>
        <translation>Inputs:</translation>
    </message>
    <message>
        <source>Apsolutni maksimum momenta %1 kNm u x = %2 m</source>
        <translation>Absolute maximum moment %1 kNm at x = %2 m</translation>
    </message>
    <message>
        <source>Broj polja n mora biti ceo broj od 1 do 99!</source>
        <translation>The number of fields n must be a whole number from 1 to 99!</translation>
    </message>
    <message>
        <source>Opcija %1 trazi ime datoteke.</source>
        <translation>Option %1 needs a file name.</translation>
    </message>
    <message>
        <source>Datoteka %1 nije snimljena: %2</source>
        <translation>The file %1 was not saved: %2</translation>
    </message>
    <message>
        <source>Rezime</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Opcije --spans i --batch ne idu zajedno.</source>
        <translation>The options --spans and --batch do not go together.</translation>
    </message>
    <message>
        <source>Uz --spans i --batch ne idu -x, -n, --listing, --pdf ni --png.</source>
        <translation>-x, -n, --listing, --pdf and --png do not go with --spans or --batch.</translation>
    </message>
    <message>
        <source>Opcija --spans prima OD:DO:KORAK, npr. 4:23:1: tri broja, KORAK veci od nule, DO ne manji od OD.</source>
        <translation>The option --spans takes FROM:TO:STEP, e.g. 4:23:1: three numbers, STEP above zero, TO not below FROM.</translation>
    </message>
    <message>
        <source>Uz --spans idu tacno tri ulazna parametra: P1 P2 e.</source>
        <translation>--spans takes exactly three inputs: P1 P2 e.</translation>
    </message>
    <message>
        <source>Uz --batch ulazni parametri dolaze iz datoteke, ne iz komandne linije.</source>
        <translation>With --batch the inputs come from the file, not from the command line.</translation>
    </message>
    <message>
        <source>Opcija --csv-dialect prima standard ili excel-sr.</source>
        <translation>The option --csv-dialect takes standard or excel-sr.</translation>
    </message>
    <message>
        <source>Klasicni maksimum momenta %1 kNm u x = %2 m</source>
        <translation>Classical maximum moment %1 kNm at x = %2 m</translation>
    </message>
    <message>
        <source>Najveca transverzalna sila na osloncu A %1 kN</source>
        <translation>Largest shear force at support A %1 kN</translation>
    </message>
    <message>
        <source>Najmanja transverzalna sila na osloncu B %1 kN</source>
        <translation>Smallest shear force at support B %1 kN</translation>
    </message>
    <message>
        <source>Upotreba: kelvane-calc P1 P2 e L [opcije]
         kelvane-calc P1 P2 e --spans OD:DO:KORAK [--format F] [--csv-dialect D]
         kelvane-calc --batch DATOTEKA|- [--format F] [--csv-dialect D]
Anvelope ekstremnih momenata savijanja i transverzalnih sila proste grede pod dve
spregnute pokretne sile (P1 levo, P2 na rastojanju e desno od nje). P1 i P2 u kN,
e i L u m, decimalna tacka &quot;.&quot;.

  -x, --at X             extM, maxT i minT u preseku X
  -n, --sections N       listing u N + 1 preseka, N ceo broj od 1 do 99
                         (podrazumevano 10)
  --listing m|t          listing momenata (m) ili transverzalnih sila (t), bajt po
                         bajt kao datoteka koju snima prozor listinga
  --exact                tacne anvelope (svi polozaji sila) pored klasicnih
  --format text|csv|json text (podrazumevano), csv: red po preseku, json: rezime,
                         klasicne i tacne vrednosti i sva polja proracuna
  --csv-dialect standard|excel-sr
                         standard: &quot;,&quot; izmedju polja, &quot;.&quot; u brojevima;
                         excel-sr: &quot;;&quot; izmedju polja, &quot;,&quot; u brojevima
  --spans OD:DO:KORAK    studija raspona: L = OD, OD + KORAK, ... do DO
  --batch DATOTEKA|-     studija slucajeva: red &quot;P1,P2,e,L&quot; po slucaju (prvi red
                         moze biti zaglavlje), &quot;-&quot; za standardni ulaz
  --pdf FILE             proracunski list u PDF-u
  --png FILE             dijagram kao na kartici &quot;dijagram&quot; (620 x 465)
  --project, --element, --author, --checker, --revision TEKST
                         projekat, element, izradio, kontrolisao i revizija na
                         proracunskom listu (prazno: linija za upis rukom)
  -h, --help             ovo uputstvo
  --lang sr|en           jezik teksta (podrazumevano jezik okruzenja)
  --version              verzija programa

Niz pokretnih sila (1 do 20 sila, razmak a od prethodne sile):
  kelvane-calc --forces P1,P2,... --spacings a2,a3,... --span L [opcije]
  -g G                   sopstvena tezina u kN/m (podrazumevano 0)
  --phi FI               dinamicki koeficijent, 1 do 2 (podrazumevano 1)
  --both-ways            niz se krece u oba smera
  -x, -n, --format, --pdf i --png kao za par sila; izlaz: apsolutni maksimum
  momenta, najvece reakcije A i B sa polozajima sila i vrednosti u n + 1 preseka

Studija daje red po slucaju (csv), objekat (json) ili linije (text); odbijen
slucaj daje red sa porukom. Kljucevi rezimea (CSV kolone i JSON &quot;rezime&quot;):
  P1, P2 [kN], e, L [m]                ulazni parametri
  Mmax_klasicna, x_Mmax_klasicna       najveci klasicni moment [kNm] i presek [m]
  Mmax_tacna, x_Mmax_tacna,            apsolutni maksimum momenta [kNm], presek [m]
  polozaj_Mmax_tacna                   i polozaj sila
  TA_tacna, polozaj_TA_tacna           najveca sila na osloncu A [kN] i polozaj
  TB_tacna, polozaj_TB_tacna           najmanja (negativna) sila na osloncu B [kN]
  razlika_extM, procenat_extM, ...     najveci manjak klasicne anvelope extM, maxT,
                                       minT [kNm, kN] i u % tacne; 0 kad se slazu
  poruka                               zasto je slucaj odbijen
JSON preseka: x, extM, maxT, minT (klasicne) i extM_tacna, maxT_tacna, minT_tacna.
Brojevi u CSV i JSON: 10 znacajnih cifara prema najvecoj vrednosti iste velicine.

Izlazni status: 0 uspeh, 1 neuspelo zapisivanje, 2 neispravan unos (u studiji: bar
jedan slucaj odbijen).
</source>
        <translation>Usage: kelvane-calc P1 P2 e L [options]
       kelvane-calc P1 P2 e --spans FROM:TO:STEP [--format F] [--csv-dialect D]
       kelvane-calc --batch FILE|- [--format F] [--csv-dialect D]
Envelopes of the extreme bending moments and shear forces of a simply supported beam
under two linked moving loads (P1 on the left, P2 at the distance e to its right).
P1 and P2 in kN, e and L in m, decimal point &quot;.&quot;.

  -x, --at X             extM, maxT and minT at the section X
  -n, --sections N       listing at N + 1 sections, N a whole number from 1 to 99
                         (default 10)
  --listing m|t          listing of moments (m) or shear forces (t), byte for byte
                         the file the listing window saves
  --exact                exact envelopes (every load position) beside the classical
  --format text|csv|json text (default), csv: a row per section, json: summary,
                         classical and exact values and every field of the record
  --csv-dialect standard|excel-sr
                         standard: &quot;,&quot; between fields, &quot;.&quot; in numbers;
                         excel-sr: &quot;;&quot; between fields, &quot;,&quot; in numbers
  --spans FROM:TO:STEP   span study: L = FROM, FROM + STEP, ... up to TO
  --batch FILE|-         study of cases: a line &quot;P1,P2,e,L&quot; per case (the first line
                         may be a header), &quot;-&quot; for standard input
  --pdf FILE             calculation sheet as PDF
  --png FILE             diagram as on the &quot;dijagram&quot; tab (620 x 465)
  --project, --element, --author, --checker, --revision TEXT
                         project, element, author, checker and revision on the
                         calculation sheet (empty: a line to fill in by hand)
  -h, --help             this help
  --lang sr|en           language of the text (default: the environment&apos;s)
  --version              version of the program

A train of moving forces (1 to 20 forces, distance a from the previous force):
  kelvane-calc --forces P1,P2,... --spacings a2,a3,... --span L [options]
  -g G                   self-weight in kN/m (default 0)
  --phi FI               dynamic factor, 1 to 2 (default 1)
  --both-ways            the train travels both ways
  -x, -n, --format, --pdf and --png as for the pair; output: the absolute maximum
  moment, the largest reactions A and B with their load positions, values at n + 1 sections

A study gives a row per case (csv), an object (json) or lines (text); a refused
case gives a row with its message. Keys of the summary (CSV columns, JSON &quot;rezime&quot;):
  P1, P2 [kN], e, L [m]                inputs
  Mmax_klasicna, x_Mmax_klasicna       largest classical moment [kNm] and section [m]
  Mmax_tacna, x_Mmax_tacna,            absolute maximum moment [kNm], section [m]
  polozaj_Mmax_tacna                   and load position
  TA_tacna, polozaj_TA_tacna           largest shear force at support A [kN], position
  TB_tacna, polozaj_TB_tacna           smallest (negative) shear at support B [kN]
  razlika_extM, procenat_extM, ...     largest shortfall of the classical envelope extM,
                                       maxT, minT [kNm, kN] and in % of the exact; 0 if none
  poruka                               why the case was refused
JSON sections: x, extM, maxT, minT (classical) and extM_tacna, maxT_tacna, minT_tacna.
Numbers in CSV and JSON: 10 significant digits of the largest value of their quantity.

Exit status: 0 success, 1 failed write, 2 invalid input (in a study: at least one
case refused).
</translation>
    </message>
</context>
</TS>
