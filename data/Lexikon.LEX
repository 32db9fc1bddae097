Sippenkompass - Lexikondatei

Abdecker#Schinder, Tierkörperverwerter<br>Beruf mit geringem Ansehen#Beruf#knacker
Ahne#Vorfahr, Person der aufsteigenden Linie#Verwandtschaft#ancestor
Ahnentafel#Aufstellung aller Vorfahren einer Person<br>nummeriert nach Kekule#Genealogie#pedigree chart
anno#im Jahre#Latein#in the year
baptizatus#getauft#Latein#baptized
Büttner#Böttcher, Fassmacher#Beruf#cooper
coelebs#ledig, unverheiratet#Latein#unmarried
conjuges#Eheleute#Latein#spouses
copulati#getraut, verheiratet#Latein#married
defunctus#verstorben#Latein#deceased
Eidam#Schwiegersohn#Verwandtschaft#son-in-law
Elle#altes Längenmaß, je nach Ort etwa 55 bis 80 cm#Maß#ell
Enkel#Kind eines Kindes#Verwandtschaft#grandchild
filia#Tochter#Latein#daughter
filius#Sohn#Latein#son
Fuß#altes Längenmaß, etwa 30 cm<br>ein Zwölftel der Rute#Maß#foot
Gevatter#Taufpate<br>auch: Freund, Nachbar#Verwandtschaft#godfather
Häusler#Kleinbauer mit Haus, aber ohne oder mit sehr wenig Land#Stand#cottager
Hufe#bäuerliche Hofstelle mit dem zugehörigen Land<br>zugleich Flächenmaß, je nach Gegend 7 bis 15 Hektar#Maß#hide
illegitimus#unehelich#Latein#illegitimate
infans#Kind, kleines Kind#Latein#infant
Kätner#Inhaber einer Kate, Kleinbauer#Stand#cottager
Klafter#Längenmaß der ausgespannten Arme, etwa 1,8 m<br>auch Raummaß für Holz#Maß#fathom
Köhler#Holzkohlenbrenner#Beruf#charcoal burner
Lohgerber#Gerber, der Häute mit Eichenlohe gerbt#Beruf#tanner
Malter#altes Hohlmaß für Getreide#Maß#malter
mater#Mutter#Latein#mother
Morgen#Flächenmaß: so viel Land, wie ein Gespann an einem Vormittag pflügt<br>etwa 0,25 bis 0,35 Hektar#Maß#morning (land measure)
Muhme#Tante, besonders die Schwester der Mutter#Verwandtschaft#aunt
natus#geboren#Latein#born
Oheim#Onkel, besonders der Bruder der Mutter#Verwandtschaft#uncle
Pate#Taufzeuge#Verwandtschaft#godfather
pater#Vater#Latein#father
patrinus#Taufpate#Latein#godfather
Rute#Längenmaß, etwa 3 bis 5 m#Maß#rod
Scheffel#Hohlmaß für Getreide, etwa 50 bis 220 Liter#Maß#bushel
Schmied#Handwerker, der Metall schmiedet#Beruf#smith
Schnur#Schwiegertochter#Verwandtschaft#daughter-in-law
Schwäher#Schwiegervater#Verwandtschaft#father-in-law
sepultus#begraben#Latein#buried
Stellmacher#Wagner, Hersteller von Wagen und Rädern#Beruf#wheelwright
Tagelöhner#Arbeiter, der im Tagelohn arbeitet#Stand#day labourer
testes#Zeugen#Latein#witnesses
uxor#Ehefrau#Latein#wife
vidua#Witwe#Latein#widow
viduus#Witwer#Latein#widower
Vormund#gesetzlicher Vertreter eines Unmündigen#Recht#guardian
Wagner#Stellmacher, Hersteller von Wagen und Rädern#Beruf#wheelwright
Zimmermann#Handwerker für Holzbau und Dachstühle#Beruf#carpenter
