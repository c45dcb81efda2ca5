<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Velmora</name>
    <message>
        <source>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</source>
        <comment>100</comment>
        <translation>Error al inicializar OLE.  Compruebe que las bibliotecas OLE sean de la versión correcta.</translation>
    </message>
    <message>
        <source>The screen resolution is higher than the options available!
Please select the option 800 x 600, 1024 x 768 ou 1280 x 800 in the next screen!</source>
        <comment>101</comment>
        <translation>¡La resolución de pantalla es superior a las opciones disponibles!
Seleccione la opción 800 x 600, 1024 x 768 o 1280 x 800 en la siguiente pantalla.</translation>
    </message>
    <message>
        <source>Error Loading Video Setting Program!</source>
        <comment>103</comment>
        <translation>¡Error al cargar el programa de configuración de vídeo!</translation>
    </message>
    <message>
        <source>It´s not possible to set the resolution!</source>
        <comment>104</comment>
        <translation>¡No es posible ajustar la resolución!</translation>
    </message>
    <message>
        <source>Calculating F0...</source>
        <comment>105</comment>
        <translation>Calculando F0...</translation>
    </message>
    <message>
        <source>Attention: The Original File was recorded in Stereo Mode, but he is opened as a Mono file.
Do You Want to save the file as Mono?</source>
        <comment>106</comment>
        <translation>Atención: el archivo original se grabó en modo estéreo, pero se ha abierto como archivo mono.
¿Desea guardar el archivo como mono?</translation>
    </message>
    <message>
        <source>Calculating Formants...</source>
        <comment>107</comment>
        <translation>Calculando formantes...</translation>
    </message>
    <message>
        <source>Client: </source>
        <comment>108</comment>
        <translation>Paciente: </translation>
    </message>
    <message>
        <source>%.1f MB</source>
        <comment>109</comment>
        <translation>%.1f MB</translation>
    </message>
    <message>
        <source>File</source>
        <comment>112</comment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Insert</source>
        <comment>114</comment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>115</comment>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <comment>116</comment>
        <translation>Vista preliminar</translation>
    </message>
    <message>
        <source>Wait, Please...</source>
        <comment>117</comment>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <comment>118</comment>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>119</comment>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <comment>120</comment>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment>121</comment>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>City:</source>
        <comment>122</comment>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>State:</source>
        <comment>123</comment>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>ZIP:</source>
        <comment>124</comment>
        <translation>C.P.:</translation>
    </message>
    <message>
        <source>Home Phone:</source>
        <comment>125</comment>
        <translation>Teléfono particular:</translation>
    </message>
    <message>
        <source>Work Phone:</source>
        <comment>126</comment>
        <translation>Teléfono del trabajo:</translation>
    </message>
    <message>
        <source>Obs.:</source>
        <comment>127</comment>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>Client</source>
        <comment>130</comment>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>131</comment>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>132</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>133</comment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>%s - Files</source>
        <comment>134</comment>
        <translation>%s - Archivos</translation>
    </message>
    <message>
        <source>Error changing the screen resolution</source>
        <comment>140</comment>
        <translation>Error al cambiar la resolución de pantalla</translation>
    </message>
    <message>
        <source>You must restart your computer to change the resolution! Do you want to restart now?</source>
        <comment>141</comment>
        <translation>Debe reiniciar el equipo para cambiar la resolución. ¿Desea reiniciarlo ahora?</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <comment>142</comment>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <comment>143</comment>
        <translation>Espectro de potencia</translation>
    </message>
    <message>
        <source>Backup Done Successfully!
The Backup Files are in the %s Directory</source>
        <comment>146</comment>
        <translation>¡Copia de seguridad realizada con éxito!
Los archivos de la copia están en la carpeta %s</translation>
    </message>
    <message>
        <source>Backup Failed!</source>
        <comment>147</comment>
        <translation>¡La copia de seguridad ha fallado!</translation>
    </message>
    <message>
        <source>Select the Backup Directory!</source>
        <comment>148</comment>
        <translation>¡Seleccione la carpeta de la copia de seguridad!</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <comment>149</comment>
        <translation>¡Proceso finalizado!</translation>
    </message>
    <message>
        <source>Process can´t be Finished!</source>
        <comment>150</comment>
        <translation>¡El proceso no se pudo finalizar!</translation>
    </message>
    <message>
        <source>Dates File can´t be Found!
The Restored Files will have the Actual Date!</source>
        <comment>151</comment>
        <translation>¡No se encuentra el archivo de fechas!
Los archivos restaurados tendrán la fecha actual.</translation>
    </message>
    <message>
        <source>There is a Previous Backup In the Selected Directory.
Do you want to replace it?</source>
        <comment>152</comment>
        <translation>Ya existe una copia de seguridad en la carpeta seleccionada.
¿Desea reemplazarla?</translation>
    </message>
    <message>
        <source>It´s not possible to copy Pacw.dbf File!
Backup Can´t be done!</source>
        <comment>153</comment>
        <translation>¡No es posible copiar el archivo Pacw.dbf!
No se puede realizar la copia de seguridad.</translation>
    </message>
    <message>
        <source>Pacw.dbf File is not in this Directory!</source>
        <comment>154</comment>
        <translation>¡El archivo Pacw.dbf no está en esta carpeta!</translation>
    </message>
    <message>
        <source>Temporary File can´t be Created!</source>
        <comment>155</comment>
        <translation>¡No se puede crear el archivo temporal!</translation>
    </message>
    <message>
        <source>Dates File can´t be Created!</source>
        <comment>156</comment>
        <translation>¡No se puede crear el archivo de fechas!</translation>
    </message>
    <message>
        <source>It was not Possible Create Temporary File!</source>
        <comment>157</comment>
        <translation>¡No fue posible crear el archivo temporal!</translation>
    </message>
    <message>
        <source>It´s not Possible to Restore the sound files dates!
Do you want to Continue?</source>
        <comment>158</comment>
        <translation>¡No es posible restaurar las fechas de los archivos de sonido!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Backup Directory can´t be Removed!</source>
        <comment>159</comment>
        <translation>¡No se puede eliminar la carpeta de la copia de seguridad!</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>160</comment>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>File %d</source>
        <comment>161</comment>
        <translation>Archivo %d</translation>
    </message>
    <message>
        <source>File:</source>
        <comment>162</comment>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Time: </source>
        <comment>163</comment>
        <translation>Tiempo: </translation>
    </message>
    <message>
        <source>%s  File - %d</source>
        <comment>164</comment>
        <translation>%s  Archivo - %d</translation>
    </message>
    <message>
        <source>File - %s</source>
        <comment>165</comment>
        <translation>Archivo - %s</translation>
    </message>
    <message>
        <source>%s  File - %d</source>
        <comment>166</comment>
        <translation>%s  Archivo - %d</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <comment>167</comment>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Zoom -</source>
        <comment>168</comment>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>170</comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source> File %d - Date: %02d/%02d/%04d</source>
        <comment>171</comment>
        <translation> Archivo %d - Fecha: %02d/%02d/%04d</translation>
    </message>
    <message>
        <source>Printed with Velmora</source>
        <comment>172</comment>
        <translation>Impreso con Velmora</translation>
    </message>
    <message>
        <source>Voice analysis report</source>
        <comment>173</comment>
        <translation>Informe de análisis de voz</translation>
    </message>
    <message>
        <source>Error Saving Notes File!</source>
        <comment>174</comment>
        <translation>¡Error al guardar el archivo de notas!</translation>
    </message>
    <message>
        <source>%02d/%02d/%04d File %d</source>
        <comment>175</comment>
        <translation>%02d/%02d/%04d Archivo %d</translation>
    </message>
    <message>
        <source>%d Hz, %d Bits</source>
        <comment>176</comment>
        <translation>%d Hz, %d bits</translation>
    </message>
    <message>
        <source>version 4.2</source>
        <comment>178</comment>
        <translation>versión 4.2</translation>
    </message>
    <message>
        <source>Vol</source>
        <comment>179</comment>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Mic</source>
        <comment>180</comment>
        <translation>Mic</translation>
    </message>
    <message>
        <source>Line In</source>
        <comment>183</comment>
        <translation>Entrada de línea</translation>
    </message>
    <message>
        <source>%s\Models</source>
        <comment>187</comment>
        <translation>%s\Models</translation>
    </message>
    <message>
        <source>Sound File (*.wav)|*.wav|</source>
        <comment>188</comment>
        <translation>Archivo de sonido (*.wav)|*.wav|</translation>
    </message>
    <message>
        <source>Other Files</source>
        <comment>189</comment>
        <translation>Other Files</translation>
    </message>
    <message>
        <source>Select the Clients You want to send to Backup:</source>
        <comment>194</comment>
        <translation>Seleccione los pacientes que desea incluir en la copia de seguridad:</translation>
    </message>
    <message>
        <source>Select the Clients You Want to Attach Files:</source>
        <comment>195</comment>
        <translation>Seleccione los pacientes cuyos archivos desea recuperar:</translation>
    </message>
    <message>
        <source>It was not possible to get the creation date of %s file. Do you want to continue?</source>
        <comment>197</comment>
        <translation>No fue posible obtener la fecha de creación del archivo %s. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>"%s File can´t be decompressed! Verify If There is Free Space Available!
Do You Want to Continue?</source>
        <comment>198</comment>
        <translation>"¡No se puede descomprimir el archivo %s! Compruebe si hay espacio libre.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Wait:</source>
        <comment>199</comment>
        <translation>Espere:</translation>
    </message>
    <message>
        <source>Freeing Data...</source>
        <comment>200</comment>
        <translation>Liberando datos...</translation>
    </message>
    <message>
        <source>Copying...</source>
        <comment>201</comment>
        <translation>Copiando...</translation>
    </message>
    <message>
        <source>decompressing:</source>
        <comment>202</comment>
        <translation>descomprimiendo:</translation>
    </message>
    <message>
        <source>It´s not possible to get the original date of %s file</source>
        <comment>204</comment>
        <translation>No es posible obtener la fecha original del archivo %s</translation>
    </message>
    <message>
        <source>%s Files can´t be found!
Do you Want to Continue?</source>
        <comment>205</comment>
        <translation>¡No se encuentran los archivos %s!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Wait, Removing Backup Directory...</source>
        <comment>206</comment>
        <translation>Espere, eliminando la carpeta de la copia de seguridad...</translation>
    </message>
    <message>
        <source>Wait, Restoring Files...</source>
        <comment>207</comment>
        <translation>Espere, restaurando archivos...</translation>
    </message>
    <message>
        <source>Error Coping %s File! Verify If There Is Free Space!
Do You Want To Continue?</source>
        <comment>208</comment>
        <translation>¡Error al copiar el archivo %s! Compruebe si hay espacio libre.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>The %s file can´t be recorded!
Verify if the file is opened!</source>
        <comment>210</comment>
        <translation>¡No se puede grabar el archivo %s!
Compruebe si el archivo está abierto.</translation>
    </message>
    <message>
        <source>default</source>
        <comment>211</comment>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>Display.exe</source>
        <comment>221</comment>
        <translation>Display.exe</translation>
    </message>
    <message>
        <source>  Reg.: </source>
        <comment>222</comment>
        <translation>  Col.: </translation>
    </message>
    <message>
        <source>Export Report as PDF...</source>
        <comment>223</comment>
        <translation>Exportar informe como PDF...</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf|</source>
        <comment>224</comment>
        <translation>Archivo PDF (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp|</source>
        <comment>225</comment>
        <translation>Mapa de bits (*.bmp)|*.bmp|</translation>
    </message>
    <message>
        <source>Compare</source>
        <comment>260</comment>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Limit:</source>
        <comment>261</comment>
        <translation>Límite:</translation>
    </message>
    <message>
        <source>%d Hz   </source>
        <comment>262</comment>
        <translation>%d Hz   </translation>
    </message>
    <message>
        <source>Error Allocating Buffer</source>
        <comment>276</comment>
        <translation>Error al reservar memoria para el búfer</translation>
    </message>
    <message>
        <source>No simple factors for ratio</source>
        <comment>277</comment>
        <translation>No hay factores simples para esta relación de frecuencias</translation>
    </message>
    <message>
        <source>Filter design too difficult! </source>
        <comment>278</comment>
        <translation>¡El diseño del filtro es demasiado difícil! </translation>
    </message>
    <message>
        <source>cannot allocate space for interpolated data</source>
        <comment>279</comment>
        <translation>No se puede reservar espacio para los datos interpolados</translation>
    </message>
    <message>
        <source>Select the Target Directory:</source>
        <comment>306</comment>
        <translation>Seleccione la carpeta de destino:</translation>
    </message>
    <message>
        <source>Select the Source Directory:</source>
        <comment>307</comment>
        <translation>Seleccione la carpeta de origen:</translation>
    </message>
    <message>
        <source>Restore Backup....</source>
        <comment>1000</comment>
        <translation>Restaurar copia de seguridad....</translation>
    </message>
    <message>
        <source>Create Backup...</source>
        <comment>1003</comment>
        <translation>Crear copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Client</source>
        <comment>3000</comment>
        <translation>&amp;Paciente</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <comment>3001</comment>
        <translation>&amp;Archivos</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <comment>3002</comment>
        <translation>A&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>3003</comment>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Update Rate</source>
        <comment>3004</comment>
        <translation>Frecuencia de actualización</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <comment>3005</comment>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>3006</comment>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>3007</comment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Com&amp;parison</source>
        <comment>3008</comment>
        <translation>Com&amp;paración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>3009</comment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <comment>3010</comment>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>3011</comment>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>P&amp;ersonal Information...</source>
        <comment>3012</comment>
        <translation>Datos p&amp;ersonales...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>3013</comment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Backup...</source>
        <comment>3014</comment>
        <translation>&amp;Copia de seguridad...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>3015</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Save Changes...</source>
        <comment>3016</comment>
        <translation>&amp;Guardar cambios...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <comment>3017</comment>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Edit Notes...</source>
        <comment>3018</comment>
        <translation>&amp;Editar notas...</translation>
    </message>
    <message>
        <source>Clean Texts</source>
        <comment>3019</comment>
        <translation>Borrar textos</translation>
    </message>
    <message>
        <source>Export Labels...</source>
        <comment>3020</comment>
        <translation>Exportar etiquetas...</translation>
    </message>
    <message>
        <source>Import Labels...</source>
        <comment>3021</comment>
        <translation>Importar etiquetas...</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <comment>3022</comment>
        <translation>P&amp;ropiedades...</translation>
    </message>
    <message>
        <source>Export graph as a bmp file...</source>
        <comment>3023</comment>
        <translation>Exportar gráfico como archivo bmp...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <comment>3024</comment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Print Preview</source>
        <comment>3025</comment>
        <translation>&amp;Vista preliminar</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <comment>3026</comment>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <comment>3027</comment>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <comment>3028</comment>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>3029</comment>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>3030</comment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>3031</comment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <comment>3032</comment>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Silence</source>
        <comment>3033</comment>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>3034</comment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Zoom +</source>
        <comment>3035</comment>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>%d Bytes</source>
        <comment>3036</comment>
        <translation>%d bytes</translation>
    </message>
    <message>
        <source>Volume...</source>
        <comment>3037</comment>
        <translation>Volumen...</translation>
    </message>
    <message>
        <source>&amp;Spectrogram</source>
        <comment>3038</comment>
        <translation>&amp;Espectrograma</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <comment>3039</comment>
        <translation>Espectro de potencia</translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <comment>3040</comment>
        <translation>&amp;Informe...</translation>
    </message>
    <message>
        <source>Record...</source>
        <comment>3041</comment>
        <translation>Grabación...</translation>
    </message>
    <message>
        <source>F0 Setting...</source>
        <comment>3042</comment>
        <translation>Ajuste de F0...</translation>
    </message>
    <message>
        <source>English</source>
        <comment>3043</comment>
        <translation>Inglés (English)</translation>
    </message>
    <message>
        <source>한국어 (Korean)</source>
        <comment>3044</comment>
        <translation>한국어 (coreano)</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <comment>3045</comment>
        <translation>Comparar con archivo...</translation>
    </message>
    <message>
        <source>Open Model...</source>
        <comment>3046</comment>
        <translation>Abrir modelo...</translation>
    </message>
    <message>
        <source>Save as a Model...</source>
        <comment>3047</comment>
        <translation>Guardar como modelo...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>3048</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Contents...</source>
        <comment>3049</comment>
        <translation>Contenido...</translation>
    </message>
    <message>
        <source>&amp;About Velmora...</source>
        <comment>3050</comment>
        <translation>&amp;Acerca de Velmora...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <comment>3051</comment>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>3052</comment>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Colors</source>
        <comment>3060</comment>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Update Rate</source>
        <comment>3061</comment>
        <translation>Frecuencia de actualización</translation>
    </message>
    <message>
        <source>Limit</source>
        <comment>3062</comment>
        <translation>Límite</translation>
    </message>
    <message>
        <source>LTAS</source>
        <comment>3063</comment>
        <translation>LTAS</translation>
    </message>
    <message>
        <source>Visualisation</source>
        <comment>3064</comment>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Solid</source>
        <comment>3065</comment>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>3066</comment>
        <translation>Línea</translation>
    </message>
    <message>
        <source>FFT Size</source>
        <comment>3067</comment>
        <translation>Tamaño FFT</translation>
    </message>
    <message>
        <source>Band</source>
        <comment>3068</comment>
        <translation>Banda</translation>
    </message>
    <message>
        <source>F0</source>
        <comment>3069</comment>
        <translation>F0</translation>
    </message>
    <message>
        <source>Formants</source>
        <comment>3070</comment>
        <translation>Formantes</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <comment>3071</comment>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>3072</comment>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>3073</comment>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>3074</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>rate</source>
        <comment>3075</comment>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>Playback</source>
        <comment>3076</comment>
        <translation>Reproducción</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>3077</comment>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Gray-Scale</source>
        <comment>3078</comment>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Colors 1</source>
        <comment>3079</comment>
        <translation>Colores 1</translation>
    </message>
    <message>
        <source>Colors 2</source>
        <comment>3080</comment>
        <translation>Colores 2</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <comment>3081</comment>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>3082</comment>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <comment>3083</comment>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>3084</comment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Backup/Restore</source>
        <comment>3100</comment>
        <translation>Copia de seguridad/Restaurar</translation>
    </message>
    <message>
        <source>Send to Backup...</source>
        <comment>3101</comment>
        <translation>Enviar a la copia de seguridad...</translation>
    </message>
    <message>
        <source>Attach Files...</source>
        <comment>3102</comment>
        <translation>Recuperar archivos...</translation>
    </message>
    <message>
        <source>Create a security copy of the information of all clients without these data being removed from the system.</source>
        <comment>3103</comment>
        <translation>Crea una copia de seguridad de la información de todos los pacientes sin quitar estos datos del sistema.</translation>
    </message>
    <message>
        <source>Send the recordings of the chosen clients to a backup; only placeholders stay until they are attached.</source>
        <comment>3104</comment>
        <translation>Envía las grabaciones de los pacientes elegidos a una copia de seguridad; solo quedan marcadores hasta que se recuperen.</translation>
    </message>
    <message>
        <source>Restore a security copy of all clients REPLACING all actual data of the system.</source>
        <comment>3105</comment>
        <translation>Restaura una copia de seguridad de todos los pacientes REEMPLAZANDO todos los datos actuales del sistema.</translation>
    </message>
    <message>
        <source>Attach the backup files of the chosen clients again.</source>
        <comment>3106</comment>
        <translation>Vuelve a incorporar los archivos de la copia de seguridad de los pacientes elegidos.</translation>
    </message>
    <message>
        <source>Wait, Copying Data...</source>
        <comment>3107</comment>
        <translation>Espere, copiando datos...</translation>
    </message>
    <message>
        <source>Compacting:</source>
        <comment>3108</comment>
        <translation>Comprimiendo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>3109</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Client</source>
        <comment>3110</comment>
        <translation>Paciente</translation>
    </message>
    <message>
        <source>Code:</source>
        <comment>3111</comment>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Man</source>
        <comment>3112</comment>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Woman</source>
        <comment>3113</comment>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>3114</comment>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>3115</comment>
        <translation>Cantante</translation>
    </message>
    <message>
        <source>Zip:</source>
        <comment>3116</comment>
        <translation>C.P.:</translation>
    </message>
    <message>
        <source>Observations:</source>
        <comment>3117</comment>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>Select a Client</source>
        <comment>3118</comment>
        <translation>Seleccione un paciente</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>3119</comment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Open....</source>
        <comment>3120</comment>
        <translation>Abrir....</translation>
    </message>
    <message>
        <source>Personal Information....</source>
        <comment>3121</comment>
        <translation>Datos personales....</translation>
    </message>
    <message>
        <source>Delete Client</source>
        <comment>3122</comment>
        <translation>Eliminar paciente</translation>
    </message>
    <message>
        <source>New Client</source>
        <comment>3123</comment>
        <translation>Nuevo paciente</translation>
    </message>
    <message>
        <source>Other
Files</source>
        <comment>3124</comment>
        <translation>Otros
archivos</translation>
    </message>
    <message>
        <source>Select All</source>
        <comment>3125</comment>
        <translation>Seleccionar todos</translation>
    </message>
    <message>
        <source>Convert File ?</source>
        <comment>3126</comment>
        <translation>¿Convertir archivo?</translation>
    </message>
    <message>
        <source>Warning: The sound file to be imported has an audio format different from the needed!  Do you want to convert it?</source>
        <comment>3127</comment>
        <translation>Aviso: ¡el archivo de sonido que se va a importar tiene un formato de audio distinto del necesario!  ¿Desea convertirlo?</translation>
    </message>
    <message>
        <source>Source:</source>
        <comment>3128</comment>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Target:</source>
        <comment>3129</comment>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Stereo</source>
        <comment>3130</comment>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <comment>3131</comment>
        <translation>Monoaural</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <comment>3132</comment>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Stereo to Mono</source>
        <comment>3133</comment>
        <translation>De estéreo a mono</translation>
    </message>
    <message>
        <source>Left channel</source>
        <comment>3134</comment>
        <translation>Canal izquierdo</translation>
    </message>
    <message>
        <source>Right channel</source>
        <comment>3135</comment>
        <translation>Canal derecho</translation>
    </message>
    <message>
        <source>Mix Channel</source>
        <comment>3136</comment>
        <translation>Mezclar canales</translation>
    </message>
    <message>
        <source>Notes...</source>
        <comment>3137</comment>
        <translation>Notas...</translation>
    </message>
    <message>
        <source>Notes:</source>
        <comment>3138</comment>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>3139</comment>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Properties</source>
        <comment>3140</comment>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Informations</source>
        <comment>3141</comment>
        <translation>Información</translation>
    </message>
    <message>
        <source>Sound File: </source>
        <comment>3142</comment>
        <translation>Archivo de sonido: </translation>
    </message>
    <message>
        <source>Rate:</source>
        <comment>3143</comment>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>3144</comment>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>3145</comment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <comment>3146</comment>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>3147</comment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>3148</comment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Report...</source>
        <comment>3149</comment>
        <translation>Informe...</translation>
    </message>
    <message>
        <source>Clinic Name or Professional:</source>
        <comment>3150</comment>
        <translation>Nombre de la clínica o del profesional:</translation>
    </message>
    <message>
        <source>Registration:</source>
        <comment>3151</comment>
        <translation>N.º de colegiado:</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>3152</comment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Playback and Record Volume</source>
        <comment>3153</comment>
        <translation>Volumen de reproducción y grabación</translation>
    </message>
    <message>
        <source>Volume Control</source>
        <comment>3154</comment>
        <translation>Control de volumen</translation>
    </message>
    <message>
        <source>Wave Sound</source>
        <comment>3155</comment>
        <translation>Sonido wave</translation>
    </message>
    <message>
        <source>Wait...</source>
        <comment>3156</comment>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>F0 Setting...</source>
        <comment>3157</comment>
        <translation>Ajuste de F0...</translation>
    </message>
    <message>
        <source>F0 Range</source>
        <comment>3158</comment>
        <translation>Rango de F0</translation>
    </message>
    <message>
        <source>Min.:</source>
        <comment>3159</comment>
        <translation>Mín.:</translation>
    </message>
    <message>
        <source>Max:</source>
        <comment>3160</comment>
        <translation>Máx.:</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <comment>3161</comment>
        <translation>Insertar texto</translation>
    </message>
    <message>
        <source>Text:</source>
        <comment>3162</comment>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>3163</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Attention!</source>
        <comment>3164</comment>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <source>The File is too large!</source>
        <comment>3165</comment>
        <translation>¡El archivo es demasiado grande!</translation>
    </message>
    <message>
        <source>Select (Zoom) a small area (max. 20 seconds) to add texts!</source>
        <comment>3166</comment>
        <translation>¡Seleccione (amplíe) un área pequeña (máx. 20 segundos) para añadir textos!</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>3167</comment>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Edit...</source>
        <comment>3168</comment>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Wait, starting audio devices...</source>
        <comment>3169</comment>
        <translation>Espere, iniciando los dispositivos de audio...</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <comment>3170</comment>
        <translation>Ayuda de Velmora</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <comment>3171</comment>
        <translation>Acerca de Velmora</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>3172</comment>
        <translation>Línea</translation>
    </message>
    <message>
        <source> Stereo</source>
        <comment>3173</comment>
        <translation> Estéreo</translation>
    </message>
    <message>
        <source> Mono</source>
        <comment>3174</comment>
        <translation> Monoaural</translation>
    </message>
    <message>
        <source>MM  /  DD  /   YYYY</source>
        <comment>3175</comment>
        <translation>DD  /  MM  /   AAAA</translation>
    </message>
    <message>
        <source>Record Setting...</source>
        <comment>3176</comment>
        <translation>Ajuste de grabación...</translation>
    </message>
    <message>
        <source>Input:</source>
        <comment>3177</comment>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>3178</comment>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Export Labels</source>
        <comment>3179</comment>
        <translation>Exportar etiquetas</translation>
    </message>
    <message>
        <source>Import Labels</source>
        <comment>3180</comment>
        <translation>Importar etiquetas</translation>
    </message>
    <message>
        <source>%d labels ran into the next one and end where it begins; %d had no length in the recording and were left out.</source>
        <comment>3181</comment>
        <translation>%d etiquetas llegaban hasta la siguiente y ahora terminan donde esta empieza; %d no tenían duración dentro de la grabación y se omitieron.</translation>
    </message>
    <message>
        <source>%d intervals with text did not become labels (more than 50, or no length in the recording).</source>
        <comment>3182</comment>
        <translation>%d intervalos con texto no se convirtieron en etiquetas (más de 50, o sin duración dentro de la grabación).</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <comment>3183</comment>
        <translation>¿Guardar cambios?</translation>
    </message>
    <message>
        <source>The Actual sound file was change. What do you want to do?</source>
        <comment>3184</comment>
        <translation>El archivo de sonido actual fue modificado. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Save this File</source>
        <comment>3185</comment>
        <translation>Guardar este archivo</translation>
    </message>
    <message>
        <source>Save as new File</source>
        <comment>3186</comment>
        <translation>Guardar como archivo nuevo</translation>
    </message>
    <message>
        <source>Don´t save</source>
        <comment>3187</comment>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>3188</comment>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open File</source>
        <comment>3189</comment>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Attention: This file was recorded in stereo mode. How do you want to open it?

Stereo to Mono</source>
        <comment>3190</comment>
        <translation>Atención: este archivo fue grabado en modo estéreo. ¿Cómo desea abrirlo?

De estéreo a mono</translation>
    </message>
    <message>
        <source>Only the Left Channel</source>
        <comment>3191</comment>
        <translation>Solo el canal izquierdo</translation>
    </message>
    <message>
        <source>Only the Right Channel</source>
        <comment>3192</comment>
        <translation>Solo el canal derecho</translation>
    </message>
    <message>
        <source>Mix Channels</source>
        <comment>3193</comment>
        <translation>Mezclar canales</translation>
    </message>
    <message>
        <source>Velmora needs a different video resolution !

Required:
Resolution : 800 x 600, 1024 x 768 ou 1280 x 800 pixels
Colors: High Color (16 bits) or better

Do you want to change the configuration now ?

After change the resolution load Velmora again!</source>
        <comment>3194</comment>
        <translation>¡Velmora necesita otra resolución de pantalla!

Requisitos:
Resolución: 800 x 600, 1024 x 768 o 1280 x 800 píxeles
Colores: color de alta densidad (16 bits) o superior

¿Desea cambiar la configuración ahora?

¡Después de cambiar la resolución, vuelva a abrir Velmora!</translation>
    </message>
    <message>
        <source>You need to select a Item!</source>
        <comment>57646</comment>
        <translation>¡Debe seleccionar un elemento!</translation>
    </message>
    <message>
        <source>Error Reading File</source>
        <comment>57647</comment>
        <translation>Error al leer el archivo</translation>
    </message>
    <message>
        <source>Attention, All Information about this Client will be deleted!
Are You sure you want to Continue?</source>
        <comment>57648</comment>
        <translation>Atención: ¡se eliminará toda la información de este paciente!
¿Está seguro de que desea continuar?</translation>
    </message>
    <message>
        <source>Client´s folder can´t be deleted!</source>
        <comment>57649</comment>
        <translation>¡No se puede eliminar la carpeta del paciente!</translation>
    </message>
    <message>
        <source>Type the Client´s name you want to search!</source>
        <comment>57650</comment>
        <translation>¡Escriba el nombre del paciente que desea buscar!</translation>
    </message>
    <message>
        <source>Client not found!</source>
        <comment>57651</comment>
        <translation>¡Paciente no encontrado!</translation>
    </message>
    <message>
        <source>This file was send to Backup!
It´s necessary to attach backup files to access this file!</source>
        <comment>57652</comment>
        <translation>¡Este archivo se envió a la copia de seguridad!
Para acceder a él es necesario recuperar los archivos de la copia.</translation>
    </message>
    <message>
        <source>Select a file!</source>
        <comment>57654</comment>
        <translation>¡Seleccione un archivo!</translation>
    </message>
    <message>
        <source>Attention, All Information about this File will be deleted!
Are you Sure you Want to Continue?</source>
        <comment>57655</comment>
        <translation>Atención: ¡se eliminará toda la información de este archivo!
¿Está seguro de que desea continuar?</translation>
    </message>
    <message>
        <source>Error deleting File!</source>
        <comment>57656</comment>
        <translation>¡Error al eliminar el archivo!</translation>
    </message>
    <message>
        <source>Error Saving File!</source>
        <comment>57661</comment>
        <translation>¡Error al guardar el archivo!</translation>
    </message>
    <message>
        <source>Attention! Select the Audio Input in the Windows Record Control!</source>
        <comment>57662</comment>
        <translation>¡Atención! Seleccione la entrada de audio en el control de grabación del sistema.</translation>
    </message>
    <message>
        <source>Invalid Function!</source>
        <comment>57663</comment>
        <translation>¡Función no válida!</translation>
    </message>
    <message>
        <source>You need to select an area!</source>
        <comment>57667</comment>
        <translation>¡Debe seleccionar un área!</translation>
    </message>
    <message>
        <source>Error freeing memory!</source>
        <comment>57668</comment>
        <translation>¡Error al liberar memoria!</translation>
    </message>
    <message>
        <source>Error Playing Sound File!</source>
        <comment>57669</comment>
        <translation>¡Error al reproducir el archivo de sonido!</translation>
    </message>
    <message>
        <source>Error WaveOutPrepareHeader</source>
        <comment>57670</comment>
        <translation>Error al preparar el búfer de reproducción</translation>
    </message>
    <message>
        <source>File needs to have at least 0.5 seconds!</source>
        <comment>57671</comment>
        <translation>¡El archivo debe durar al menos 0,5 segundos!</translation>
    </message>
    <message>
        <source>Error - Loading Buffer</source>
        <comment>57672</comment>
        <translation>Error al cargar el búfer</translation>
    </message>
    <message>
        <source>Warning: The Directory can´t to be the same which Velmora is Installed! Select or Create a New Directory!</source>
        <comment>57674</comment>
        <translation>Aviso: ¡la carpeta no puede ser la misma en la que está instalado Velmora! Seleccione o cree una carpeta nueva.</translation>
    </message>
    <message>
        <source>It´s not possible to inicialize your Display Properties. Please access Control Panel,
Click on 'Display' and set the color number to High Color (16 bits) or higher</source>
        <comment>57694</comment>
        <translation>No es posible abrir las propiedades de pantalla. Abra la configuración de pantalla del sistema,
y ajuste el número de colores a color de alta densidad (16 bits) o superior</translation>
    </message>
    <message>
        <source>Error saving File!</source>
        <comment>57695</comment>
        <translation>¡Error al guardar el archivo de etiquetas!</translation>
    </message>
    <message>
        <source>Max. number of texts!</source>
        <comment>57696</comment>
        <translation>¡Número máximo de textos!</translation>
    </message>
    <message>
        <source>Error Loading Header</source>
        <comment>57697</comment>
        <translation>Error al cargar la cabecera</translation>
    </message>
    <message>
        <source>It was not possible to start recording</source>
        <comment>57698</comment>
        <translation>No fue posible iniciar la grabación</translation>
    </message>
    <message>
        <source>There is no free memory available!</source>
        <comment>57699</comment>
        <translation>¡No hay memoria libre disponible!</translation>
    </message>
    <message>
        <source>Error Freeing Header!</source>
        <comment>57701</comment>
        <translation>¡Error al liberar la cabecera!</translation>
    </message>
    <message>
        <source>Error writing to file
Verify if there is free space!</source>
        <comment>57702</comment>
        <translation>Error al escribir en el archivo
¡Compruebe si hay espacio libre!</translation>
    </message>
    <message>
        <source>Error stop recording - code: 001</source>
        <comment>57703</comment>
        <translation>Error al detener la grabación - código: 001</translation>
    </message>
    <message>
        <source>Error stop recording - code: 002</source>
        <comment>57704</comment>
        <translation>Error al detener la grabación - código: 002</translation>
    </message>
    <message>
        <source>It was not possible to open the Playback channel!</source>
        <comment>57705</comment>
        <translation>¡No fue posible abrir el canal de reproducción!</translation>
    </message>
    <message>
        <source>Velmora was not ended properly in the last utilisation. Please, reduce the screen update rate before starting recording a new sound file.</source>
        <comment>57706</comment>
        <translation>Velmora no se cerró correctamente la última vez. Reduzca la frecuencia de actualización de la pantalla antes de grabar un nuevo archivo de sonido.</translation>
    </message>
    <message>
        <source>Verify if other Program is using the audio channel or if your audio devices are installed properly!
Do you want to Continue?</source>
        <comment>57707</comment>
        <translation>Compruebe si otro programa está usando el canal de audio o si sus dispositivos de audio están bien instalados.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Mic. Input can´t be found!
Do You want to Continue?</source>
        <comment>57708</comment>
        <translation>¡No se encuentra la entrada de micrófono!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Warning! It´s not Possible to Define the Selected Input!</source>
        <comment>57709</comment>
        <translation>¡Aviso! No es posible seleccionar la entrada elegida.</translation>
    </message>
    <message>
        <source>Error Acessing Client´s folder !</source>
        <comment>57710</comment>
        <translation>¡Error al acceder a la carpeta del paciente!</translation>
    </message>
    <message>
        <source>Undefined Type!</source>
        <comment>57711</comment>
        <translation>¡Tipo no definido!</translation>
    </message>
    <message>
        <source>Error Accessing Database!</source>
        <comment>57712</comment>
        <translation>¡Error al acceder a la base de datos!</translation>
    </message>
    <message>
        <source>Number of files exceeds to 150!
Insert a new client to continue...</source>
        <comment>57713</comment>
        <translation>¡El número de archivos supera 150!
Cree un paciente nuevo para continuar...</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <comment>57714</comment>
        <translation>¿Está seguro de que desea salir?</translation>
    </message>
    <message>
        <source>Volume Control can´t be  can´t be Inicialized!</source>
        <comment>57716</comment>
        <translation>¡No se puede iniciar el control de volumen!</translation>
    </message>
    <message>
        <source>Invalid Day !</source>
        <comment>57717</comment>
        <translation>¡Día no válido!</translation>
    </message>
    <message>
        <source>Invalid Month !</source>
        <comment>57718</comment>
        <translation>¡Mes no válido!</translation>
    </message>
    <message>
        <source>Invalid Year 
Range: 1890 to 2050</source>
        <comment>57719</comment>
        <translation>Año no válido
Intervalo: 1890 a 2050</translation>
    </message>
    <message>
        <source>You need to type the client´s name!</source>
        <comment>57720</comment>
        <translation>¡Debe escribir el nombre del paciente!</translation>
    </message>
    <message>
        <source>The Client is Man/Woman, Singer or Child?</source>
        <comment>57721</comment>
        <translation>¿El paciente es hombre/mujer, cantante o niño?</translation>
    </message>
    <message>
        <source>Invalid Year (it must have 4 digits)
Sample.: 1974</source>
        <comment>57722</comment>
        <translation>Año no válido (debe tener 4 cifras)
Ejemplo: 1974</translation>
    </message>
    <message>
        <source>The Client´s Folder already exist</source>
        <comment>57723</comment>
        <translation>La carpeta del paciente ya existe</translation>
    </message>
    <message>
        <source>It´s necessary to select at least one client!</source>
        <comment>57724</comment>
        <translation>¡Es necesario seleccionar al menos un paciente!</translation>
    </message>
    <message>
        <source>File rate must be 44100 Hz, 22050 Hz or 11025 Hz!</source>
        <comment>57730</comment>
        <translation>¡La frecuencia del archivo debe ser 44100 Hz, 22050 Hz u 11025 Hz!</translation>
    </message>
    <message>
        <source>The file must be 16 Bits</source>
        <comment>57731</comment>
        <translation>El archivo debe ser de 16 bits</translation>
    </message>
    <message>
        <source>Error saving File.</source>
        <comment>57732</comment>
        <translation>Error al guardar el archivo.</translation>
    </message>
    <message>
        <source>The file can´t be opened!</source>
        <comment>57733</comment>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>File Imported Successfully!</source>
        <comment>57734</comment>
        <translation>¡Archivo importado con éxito!</translation>
    </message>
    <message>
        <source>The File to be Imported should be 16 Bits!
The Process will be Canceled!</source>
        <comment>57736</comment>
        <translation>¡El archivo que se va a importar debe ser de 16 bits!
Se cancelará el proceso.</translation>
    </message>
    <message>
        <source>Error Importing File!</source>
        <comment>57737</comment>
        <translation>¡Error al importar el archivo!</translation>
    </message>
    <message>
        <source>Error allocating Memory!</source>
        <comment>57738</comment>
        <translation>¡Error al reservar memoria!</translation>
    </message>
    <message>
        <source>Error Opening .ddt file!</source>
        <comment>57739</comment>
        <translation>¡Error al abrir el archivo .ddt!</translation>
    </message>
    <message>
        <source>Entrada de Linha</source>
        <comment>57740</comment>
        <translation>Entrada de Linha</translation>
    </message>
    <message>
        <source>Microfone</source>
        <comment>57741</comment>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>File not found!</source>
        <comment>57742</comment>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>Invalid File!</source>
        <comment>57743</comment>
        <translation>¡Archivo no válido!</translation>
    </message>
    <message>
        <source>Error - There is no free memory available!</source>
        <comment>57744</comment>
        <translation>Error: ¡no hay memoria libre disponible!</translation>
    </message>
    <message>
        <source>Velmora ended unexpectedly during a recording of %s.
Do you want to keep the %.1f seconds that were recorded?</source>
        <comment>60001</comment>
        <translation>Velmora se cerró inesperadamente durante una grabación de %s.
¿Desea conservar los %.1f segundos grabados?</translation>
    </message>
    <message>
        <source>The interrupted recording was stored as
%s</source>
        <comment>60002</comment>
        <translation>La grabación interrumpida se guardó como
%s</translation>
    </message>
    <message>
        <source>Voice Report...</source>
        <comment>64100</comment>
        <translation>Informe de voz...</translation>
    </message>
    <message>
        <source>Voice Report</source>
        <comment>64101</comment>
        <translation>Informe de voz</translation>
    </message>
    <message>
        <source>Calculating the voice report...</source>
        <comment>64102</comment>
        <translation>Calculando el informe de voz...</translation>
    </message>
    <message>
        <source>Measure</source>
        <comment>64103</comment>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>64104</comment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>64105</comment>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Usual range</source>
        <comment>64106</comment>
        <translation>Rango habitual</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>64107</comment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <comment>64108</comment>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>64109</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>CSV File (*.csv)|*.csv|</source>
        <comment>64110</comment>
        <translation>Archivo CSV (*.csv)|*.csv|</translation>
    </message>
    <message>
        <source>No periods: the span holds no voice.</source>
        <comment>64111</comment>
        <translation>Sin periodos: el tramo no contiene voz.</translation>
    </message>
    <message>
        <source>The span is shorter than three periods: select a longer part of the voice.</source>
        <comment>64112</comment>
        <translation>El tramo es más corto que tres periodos: seleccione una parte más larga de la voz.</translation>
    </message>
    <message>
        <source>Usual ranges for: %s</source>
        <comment>64113</comment>
        <translation>Rangos habituales para: %s</translation>
    </message>
    <message>
        <source>adult men</source>
        <comment>64114</comment>
        <translation>hombres adultos</translation>
    </message>
    <message>
        <source>adult women</source>
        <comment>64115</comment>
        <translation>mujeres adultas</translation>
    </message>
    <message>
        <source>adults</source>
        <comment>64117</comment>
        <translation>adultos</translation>
    </message>
    <message>
        <source>Voice Report</source>
        <comment>64118</comment>
        <translation>Informe de voz</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>64120</comment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <comment>64121</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Median F0</source>
        <comment>64122</comment>
        <translation>F0 mediana</translation>
    </message>
    <message>
        <source>Mean F0</source>
        <comment>64123</comment>
        <translation>F0 media</translation>
    </message>
    <message>
        <source>F0 standard deviation</source>
        <comment>64124</comment>
        <translation>Desviación estándar de F0</translation>
    </message>
    <message>
        <source>Minimum F0</source>
        <comment>64125</comment>
        <translation>F0 mínima</translation>
    </message>
    <message>
        <source>Maximum F0</source>
        <comment>64126</comment>
        <translation>F0 máxima</translation>
    </message>
    <message>
        <source>Number of pulses</source>
        <comment>64127</comment>
        <translation>Número de pulsos</translation>
    </message>
    <message>
        <source>Number of periods</source>
        <comment>64128</comment>
        <translation>Número de periodos</translation>
    </message>
    <message>
        <source>Locally unvoiced frames</source>
        <comment>64129</comment>
        <translation>Tramas localmente sordas</translation>
    </message>
    <message>
        <source>Number of voice breaks</source>
        <comment>64130</comment>
        <translation>Número de cortes de voz</translation>
    </message>
    <message>
        <source>Length of voice breaks</source>
        <comment>64131</comment>
        <translation>Duración de los cortes de voz</translation>
    </message>
    <message>
        <source>Jitter (local)</source>
        <comment>64132</comment>
        <translation>Jitter local</translation>
    </message>
    <message>
        <source>Jitter (local, absolute)</source>
        <comment>64133</comment>
        <translation>Jitter local absoluto</translation>
    </message>
    <message>
        <source>Jitter (RAP)</source>
        <comment>64134</comment>
        <translation>Jitter (RAP)</translation>
    </message>
    <message>
        <source>Jitter (PPQ5)</source>
        <comment>64135</comment>
        <translation>Jitter (PPQ5)</translation>
    </message>
    <message>
        <source>Jitter (DDP)</source>
        <comment>64136</comment>
        <translation>Jitter (DDP)</translation>
    </message>
    <message>
        <source>Shimmer (local)</source>
        <comment>64137</comment>
        <translation>Shimmer local</translation>
    </message>
    <message>
        <source>Shimmer (local, dB)</source>
        <comment>64138</comment>
        <translation>Shimmer local en dB</translation>
    </message>
    <message>
        <source>Shimmer (APQ3)</source>
        <comment>64139</comment>
        <translation>Shimmer (APQ3)</translation>
    </message>
    <message>
        <source>Shimmer (APQ5)</source>
        <comment>64140</comment>
        <translation>Shimmer (APQ5)</translation>
    </message>
    <message>
        <source>Shimmer (APQ11)</source>
        <comment>64141</comment>
        <translation>Shimmer (APQ11)</translation>
    </message>
    <message>
        <source>Shimmer (DDA)</source>
        <comment>64142</comment>
        <translation>Shimmer (DDA)</translation>
    </message>
    <message>
        <source>Mean harmonics-to-noise ratio</source>
        <comment>64143</comment>
        <translation>Relación armónicos-ruido media</translation>
    </message>
    <message>
        <source>Smoothed cepstral peak prominence (CPPS)</source>
        <comment>64144</comment>
        <translation>Prominencia del pico cepstral suavizada (CPPS)</translation>
    </message>
    <message>
        <source>children aged 4 to 9</source>
        <comment>64180</comment>
        <translation>niños de 4 a 9 años</translation>
    </message>
</context>
</TS>
